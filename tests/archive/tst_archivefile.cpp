#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "archive/archiveerror.h"
#include "archive/tarchivio.h"
#include "support/openfiles.h"
#include "support/smalldisk.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

const int kSize = 1733;  // return-receipt records: the smallest layout
const QString kFile = u"Avvisi_Ricevimento.pro"_s;

TSchedaRicevimento receipt(const QString& recipient) {
  TSchedaRicevimento r;
  r.setText(u"Destinatario", recipient);
  return r;
}

QByteArray records(int n) {
  QByteArray bytes;
  for (int i = 1; i <= n; ++i) bytes += receipt(QString::number(i)).bytes();
  return bytes;
}

}  // namespace

class ArchiveFileTest : public QObject {
  Q_OBJECT
 private slots:
  void missingFileIsCreatedEmpty() {
    TestFolder folder;
    TArchivio archive(returnReceiptArchive());
    archive.Open();
    QCOMPARE(archive.Count(), 0);
    QVERIFY(archive.AtEnd());
    archive.Close();
    QVERIFY(folder.exists(kFile));
    QCOMPARE(folder.read(kFile).size(), 0);
  }

  void existingFileIsNeverReplaced() {
    TestFolder folder;
    folder.write(kFile, records(2));
    TArchivio archive(returnReceiptArchive());
    archive.Open();
    QCOMPARE(archive.Count(), 2);
    archive.Close();
    QCOMPARE(folder.read(kFile), records(2));
  }

  void positionsFollowReadsAndWrites() {
    TestFolder folder;
    folder.write(kFile, records(7));
    TArchivio archive(returnReceiptArchive());
    archive.Open();
    TSchedaRicevimento r;
    archive.ReadAt(3, r);
    QCOMPARE(archive.Position(), 3);
    QCOMPARE(r.text(u"Destinatario"), u"3"_s);
    archive.Append(receipt(u"8"_s));
    QCOMPARE(archive.Position(), 8);
    QCOMPARE(archive.Count(), 8);
    archive.WriteAt(3, receipt(u"tre"_s));
    QCOMPARE(archive.Position(), 3);
    archive.Close();
    QCOMPARE(folder.read(kFile).mid(2 * kSize + 42, 4), QByteArray("\x03tre"));
  }

  void readNextWalksFromFirstToLast() {
    TestFolder folder;
    folder.write(kFile, records(3));
    TArchivio archive(returnReceiptArchive());
    archive.Open();
    QStringList seen;
    TSchedaRicevimento r;
    while (!archive.AtEnd()) {
      archive.ReadNext(r);
      seen << r.text(u"Destinatario") + u'@' + QString::number(archive.Position());
    }
    QCOMPARE(seen, QStringList({u"1@1"_s, u"2@2"_s, u"3@3"_s}));
  }

  // An action may open the same archive again inside itself (the lock lets
  // it); what the inner one appends is counted by the outer one, whose own
  // append then goes after it instead of over it.
  void appendInsideAnotherActionIsSeenByIt() {
    TestFolder folder;
    folder.write(kFile, records(2));
    TArchivio outer(returnReceiptArchive());
    outer.Open();
    QCOMPARE(outer.Count(), 2);
    {
      TArchivio inner(returnReceiptArchive());
      inner.Open();
      inner.Append(receipt(u"3"_s));
      inner.Close();
    }
    QCOMPARE(outer.Count(), 3);
    QVERIFY(!outer.AtEnd());
    outer.Append(receipt(u"4"_s));
    QCOMPARE(outer.Position(), 4);
    outer.Close();
    QCOMPARE(folder.read(kFile), records(4));
  }

  // Records are read many at a time; what this process writes meanwhile,
  // through the same archive or another opened inside the action, is what
  // the next read gives.
  void aReadAfterAWriteGivesWhatWasWritten() {
    TestFolder folder;
    folder.write(kFile, records(300));
    TArchivio outer(returnReceiptArchive());
    outer.Open();
    TSchedaRicevimento r;
    outer.ReadAt(1, r);
    {
      TArchivio inner(returnReceiptArchive());
      inner.Open();
      inner.WriteAt(2, receipt(u"cambiata dentro"_s));
      inner.Close();
    }
    outer.ReadNext(r);
    QCOMPARE(r.text(u"Destinatario"), u"cambiata dentro"_s);
    outer.WriteAt(3, receipt(u"cambiata fuori"_s));
    outer.ReadAt(3, r);
    QCOMPARE(r.text(u"Destinatario"), u"cambiata fuori"_s);
    outer.ReadAt(300, r);
    QCOMPARE(r.text(u"Destinatario"), u"300"_s);
    outer.ReadAt(150, r);
    QCOMPARE(r.text(u"Destinatario"), u"150"_s);
    outer.Append(receipt(u"301"_s));
    outer.ReadAt(301, r);
    QCOMPARE(r.text(u"Destinatario"), u"301"_s);
  }

  void partialTailIsIgnoredThenOverwritten() {
    TestFolder folder;
    folder.write(kFile, records(2) + QByteArray(100, 'T'));
    TArchivio archive(returnReceiptArchive());
    archive.Open();
    QCOMPARE(archive.Count(), 2);
    archive.Append(receipt(u"3"_s));
    QCOMPARE(archive.Position(), 3);
    archive.Close();
    QCOMPARE(folder.read(kFile), records(3));
  }

  void recordReadAndWrittenBackIsByteIdentical() {
    TestFolder folder;
    // Bytes after each field's text hold leftovers, as older files may.
    QByteArray bytes = records(1);
    bytes.replace(42 + 2, 5, "junk!");
    folder.write(kFile, bytes);
    TArchivio archive(returnReceiptArchive());
    archive.Open();
    TSchedaRicevimento r;
    archive.ReadAt(1, r);
    archive.WriteAt(1, r);
    archive.Close();
    QCOMPARE(folder.read(kFile), bytes);
  }

  void outOfRangeAndShortReadsFail() {
    TestFolder folder;
    folder.write(kFile, records(1));
    TArchivio archive(returnReceiptArchive());
    archive.Open();
    TSchedaRicevimento r;
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.ReadAt(2, r));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.ReadAt(0, r));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.WriteAt(2, r));
    archive.ReadNext(r);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.ReadNext(r));
  }

  void readOnlyFileFailsAndIsLeftAlone() {
    TestFolder folder;
    folder.write(kFile, records(1));
    if (!folder.makeReadOnly(kFile)) QSKIP(TestFolder::kCannotMakeReadOnly);
    TArchivio archive(returnReceiptArchive());
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.Open());
    QCOMPARE(folder.read(kFile), records(1));
  }

  void readOnlyFolderCannotCreateTheFile() {
    TestFolder folder;
    if (!folder.makeReadOnly()) QSKIP(TestFolder::kCannotMakeReadOnly);
    TArchivio archive(returnReceiptArchive());
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.Open());
    QVERIFY(!folder.exists(kFile));
  }

  void fullDiskFailsTheWrite() {
    if (!QFileInfo::exists(u"/dev/full"_s)) QSKIP("this system has no /dev/full to write into");
    TestFolder folder;
    QVERIFY(QFile::link(u"/dev/full"_s, folder.filePath(kFile)));
    TArchivio archive(returnReceiptArchive());
    archive.Open();
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.Append(receipt(u"x"_s)));
  }

  // A full disk leaves no room even for the lock file: the archive can
  // still be read, and a save says that the disk is full.
  void fullDiskStillReads() {
    SmallDisk disk(256);
    if (!disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    TestFolder folder(disk.path());
    folder.write(kFile, records(3));
    disk.fill();
    TArchivio archive(returnReceiptArchive());
    archive.Open();
    QCOMPARE(archive.Count(), 3);
    TSchedaRicevimento r;
    archive.ReadAt(1, r);
    QCOMPARE(r.text(u"Destinatario"), u"1"_s);
    try {
      archive.Append(receipt(u"x"_s));
      QFAIL("appended on a full disk");
    } catch (const ArchiveError& error) {
      QVERIFY2(error.userMessage().startsWith(
                   u"Attenzione: non è possibile salvare, perché il disco che contiene la "
                   "cartella del programma è pieno."_s),
               qPrintable(error.userMessage()));
    }
    archive.Close();
    QCOMPARE(folder.read(kFile), records(3));
  }

  void fileIsReleasedWhenAnActionFails() {
    TestFolder folder;
    folder.write(kFile, records(1));
    {
      TArchivio archive(returnReceiptArchive());
      archive.Open();
      TSchedaRicevimento r;
      QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.ReadAt(5, r));
      if (canListOpenFiles()) QVERIFY(isOpen(folder.filePath(kFile)));
    }
    // The failed action's archive is closed: no descriptor is left on the
    // file, and a new action starts afresh.
    if (canListOpenFiles()) QVERIFY(!isOpen(folder.filePath(kFile)));
    QVERIFY(QFile::remove(folder.filePath(kFile)));
    TArchivio again(returnReceiptArchive());
    again.Open();
    QCOMPARE(again.Count(), 0);
  }

  void archiveAccessMessage() {
    QCOMPARE(kArchiveAccessMessage,
             u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
             "Accertarsi di possedere i privilegi di scrittura nella cartella di "
             "installazione del programma."_s);
  }
};

QTEST_GUILESS_MAIN(ArchiveFileTest)
#include "tst_archivefile.moc"
