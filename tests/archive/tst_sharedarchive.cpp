#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSysInfo>
#include <QTest>
#include <atomic>
#include <thread>

#include <unistd.h>

#include "archive/archiveerror.h"
#include "archive/tarchivio.h"
#include "core/filelock.h"
#include "support/otherstation.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using namespace std::chrono_literals;

namespace {

const QString kAddressBook = u"Anagrafica.pro"_s;
const int kCardSize = 3831;

// Records every call of the wait indicator.
struct WaitsSeen {
  QList<bool> calls;
  WaitsSeen() {
    FileLock::setWaitIndicator([this](FileLock::WaitPhase phase) {
      if (phase != FileLock::WaitPhase::Long) calls << (phase == FileLock::WaitPhase::Started);
    });
  }
  ~WaitsSeen() { FileLock::setWaitIndicator({}); }
};

TSchedaAnagrafica card(const QString& name) {
  TSchedaAnagrafica c;
  c.setText(u"Nome", name);
  c.setText(u"Note", name);
  return c;
}

// A process number that belongs to no running process.
qint64 deadProcessId() {
  QProcess process;
  process.start(u"true"_s, {});
  process.waitForFinished();
  return process.processId() ? process.processId() : 999999;
}

QList<TSchedaAnagrafica> cardsIn(const QString& path) {
  QList<TSchedaAnagrafica> cards;
  TArchivio archive(addressBookArchive(), path);
  archive.Open();
  TSchedaAnagrafica c;
  while (!archive.AtEnd()) {
    archive.ReadNext(c);
    cards << c;
  }
  archive.Close();
  return cards;
}

// A lock file as a station on another computer leaves it.
const QByteArray kForeignLock = "4242\nvelinda\naltra-postazione\nmacchina-altrui\navvio-altrui\n";

// The same from a computer cloned from this one's image: another name, this
// machine's id, and a process number that no process here has.
QByteArray clonedComputersLock() {
  return QByteArray::number(deadProcessId()) + "\nvelinda\naltra-postazione\n" +
         QSysInfo::machineUniqueId() + "\n" + QSysInfo::bootUniqueId() + "\n";
}

}  // namespace

class SharedArchiveTest : public QObject {
  Q_OBJECT
 private slots:
  void twoStationsSavingAtOnceLoseNothing() {
    TestFolder folder;
    const QString path = folder.filePath(kAddressBook);
    OtherStation reader;
    OtherStation first;
    OtherStation second;
    reader.scan(path);
    first.append(path, 1000, u"A"_s);
    second.append(path, 1000, u"B"_s);
    for (OtherStation* station : {&reader, &first, &second}) station->go();
    QVERIFY(first.waitForEnd());
    QVERIFY(second.waitForEnd());
    QVERIFY2(first.endedWell(), qPrintable(first.errors()));
    QVERIFY2(second.endedWell(), qPrintable(second.errors()));
    reader.stop();
    QVERIFY2(reader.endedWell(), qPrintable(reader.errors()));

    QCOMPARE(QFileInfo(path).size(), qint64(2000) * kCardSize);
    const QList<TSchedaAnagrafica> cards = cardsIn(path);
    QHash<QString, int> numberOf;
    for (int i = 0; i < cards.size(); ++i) {
      const QString name = cards[i].text(u"Nome");
      QCOMPARE(cards[i].text(u"Note"), name);  // whole, not two cards' halves
      QVERIFY2(!numberOf.contains(name), qPrintable(name));
      numberOf.insert(name, i + 1);
    }
    // Every save's number holds that save's own card.
    for (OtherStation* station : {&first, &second}) {
      const QStringList saves = station->outputLines();
      QCOMPARE(saves.size(), 1000);
      for (const QString& save : saves) {
        const QStringList words = save.split(u' ');
        QCOMPARE(numberOf.value(words[1]), words[0].toInt());
      }
    }
    // The reader never met a half-written card.
    const QStringList scanned = reader.outputLines();
    QCOMPARE(scanned.size(), 1);
    QVERIFY(scanned[0].split(u' ')[0].toInt() > 0);
    QCOMPARE(scanned[0].split(u' ')[1], u"0"_s);
    QVERIFY(!QFile::exists(FileLock::lockFilePath(path)));
  }

  // The other station lets go during the wait, or keeps the archive longer.
  void actionWaitsForAnotherStation_data() {
    QTest::addColumn<int>("heldFor");
    QTest::addColumn<bool>("opens");
    QTest::newRow("released during the wait") << 300 << true;
    QTest::newRow("kept past the wait") << -1 << false;
  }
  void actionWaitsForAnotherStation() {
    QFETCH(int, heldFor);
    QFETCH(bool, opens);
    TestFolder folder;
    folder.write(kAddressBook, card(u"Rossi"_s).bytes());
    LockTimingForTest timing({.waitLimit = 1500ms});
    OtherStation other;
    other.hold(folder.filePath(kAddressBook), heldFor);
    WaitsSeen waits;
    QElapsedTimer clock;
    clock.start();
    TArchivio archive(addressBookArchive());
    if (opens) {
      archive.Open();
      archive.Append(card(u"Bianchi"_s));
      QCOMPARE(archive.Position(), 2);
      archive.Close();
      QVERIFY(clock.elapsed() < 1500);
    } else {
      QVERIFY_THROWS_EXCEPTION(ArchiveBusy, archive.Open());
      QVERIFY(clock.elapsed() >= 1500);
      QCOMPARE(folder.read(kAddressBook), card(u"Rossi"_s).bytes());
    }
    QCOMPARE(waits.calls, QList<bool>({true, false}));

    // Once the other station is gone, an action neither waits nor shows it.
    other.stop();
    waits.calls.clear();
    archive.Open();
    archive.Close();
    QVERIFY(waits.calls.isEmpty());
  }

  void crashedStationOnThisComputerIsNoObstacle() {
    TestFolder folder;
    LockTimingForTest timing({.waitLimit = 3000ms});
    OtherStation other;
    other.hold(folder.filePath(kAddressBook));
    other.crash();
    QVERIFY(QFile::exists(FileLock::lockFilePath(folder.filePath(kAddressBook))));
    QElapsedTimer clock;
    clock.start();
    TArchivio archive(addressBookArchive());
    archive.Open();
    archive.Close();
    QVERIFY(clock.elapsed() < 1000);
  }

  // A lock file from another computer is taken over once it has stopped
  // changing for a while, never while its holder keeps renewing it.
  void lockOfAnotherComputer_data() {
    QTest::addColumn<bool>("renewed");
    QTest::addColumn<QByteArray>("lock");
    QTest::newRow("left by a station that died") << false << kForeignLock;
    QTest::newRow("kept by a station at work") << true << kForeignLock;
    // Judged by its process number, it would be taken over at once.
    QTest::newRow("kept on a cloned computer") << true << clonedComputersLock();
  }
  void lockOfAnotherComputer() {
    QFETCH(bool, renewed);
    QFETCH(QByteArray, lock);
    TestFolder folder;
    const QString lockPath = FileLock::lockFilePath(folder.filePath(kAddressBook));
    folder.write(QFileInfo(lockPath).fileName(), lock);
    std::atomic<bool> working = renewed;
    std::thread holder([&] {
      while (working) {
        QFile file(lockPath);
        if (file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
          file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
        std::this_thread::sleep_for(20ms);
      }
    });
    LockTimingForTest shortWait({.waitLimit = 300ms, .abandonedAfter = 1000ms});
    TArchivio archive(addressBookArchive());
    // One wait is too short to judge; the next one goes on watching.
    QVERIFY_THROWS_EXCEPTION(ArchiveBusy, archive.Open());
    LockTimingForTest longerWait({.waitLimit = 2000ms, .abandonedAfter = 1000ms});
    if (renewed) {
      QVERIFY_THROWS_EXCEPTION(ArchiveBusy, archive.Open());
      QCOMPARE(folder.read(QFileInfo(lockPath).fileName()), lock);
    } else {
      archive.Open();
      archive.Append(card(u"Rossi"_s));
      archive.Close();
      QVERIFY(!QFile::exists(lockPath));
    }
    working = false;
    holder.join();
  }

  void longActionKeepsItsLockRenewed() {
    TestFolder folder;
    folder.write(kAddressBook, card(u"Rossi"_s).bytes());
    LockTimingForTest timing({.keepAlive = 50ms});
    const QString lockPath = FileLock::lockFilePath(folder.filePath(kAddressBook));
    TArchivio archive(addressBookArchive());
    archive.Open();
    const QString holder = lockPath + u"/titolare"_s;
    const QByteArray taken = folder.read(QFileInfo(lockPath).fileName() + u"/titolare"_s);
    QTest::qWait(120);
    TSchedaAnagrafica c;
    archive.ReadAt(1, c);
    QVERIFY(QFile::exists(holder));
    QVERIFY(folder.read(QFileInfo(lockPath).fileName() + u"/titolare"_s) != taken);
    archive.Close();
  }

  void oneProcessNeverWaitsForItself() {
    TestFolder folder;
    const QString lockPath = FileLock::lockFilePath(folder.filePath(kAddressBook));
    LockTimingForTest timing({.waitLimit = 200ms});
    WaitsSeen waits;
    TArchivio outer(addressBookArchive());
    outer.Open();
    {
      TArchivio inner(addressBookArchive());
      inner.Open();
      inner.Append(card(u"Rossi"_s));
      inner.Close();
    }
    QVERIFY(QFile::exists(lockPath));  // still the outer action's
    QCOMPARE(outer.Count(), 1);
    outer.Close();
    QVERIFY(!QFile::exists(lockPath));
    QVERIFY(waits.calls.isEmpty());
  }

  // Every way out of an action lets the other stations in again.
  void lockIsReleasedWhateverTheActionsEnd_data() {
    QTest::addColumn<QString>("ending");
    QTest::newRow("closed") << u"closed"_s;
    QTest::newRow("failed read") << u"failed read"_s;
    QTest::newRow("read-only file") << u"read-only file"_s;
    QTest::newRow("never closed") << u"never closed"_s;
  }
  void lockIsReleasedWhateverTheActionsEnd() {
    QFETCH(QString, ending);
    TestFolder folder;
    folder.write(kAddressBook, card(u"Rossi"_s).bytes());
    if (ending == u"read-only file" && !folder.makeReadOnly(kAddressBook))
      QSKIP(TestFolder::kCannotMakeReadOnly);
    {
      TArchivio archive(addressBookArchive());
      try {
        archive.Open();
        TSchedaAnagrafica c;
        if (ending == u"failed read") archive.ReadAt(2, c);
        if (ending == u"closed") archive.Close();
      } catch (const ArchiveError& error) {
        QCOMPARE(error.userMessage(), kArchiveAccessMessage);
      }
    }
    QVERIFY(!QFile::exists(FileLock::lockFilePath(folder.filePath(kAddressBook))));
  }

  // No lock file can be made in a read-only folder: the archive can still be
  // read, and a save is refused with the message about write privileges.
  void folderWithoutWriteAccessCanBeReadNotWritten() {
    TestFolder folder;
    folder.write(kAddressBook, card(u"Rossi"_s).bytes());
    if (!folder.makeReadOnly()) QSKIP(TestFolder::kCannotMakeReadOnly);
    LockTimingForTest timing({.waitLimit = 200ms});
    TArchivio archive(addressBookArchive());
    archive.Open();
    TSchedaAnagrafica c;
    archive.ReadAt(1, c);
    QCOMPARE(c.text(u"Nome"), u"Rossi"_s);
    try {
      archive.Append(card(u"Bianchi"_s));
      QFAIL("saved without a lock");
    } catch (const ArchiveError& error) {
      QCOMPARE(error.userMessage(), kArchiveAccessMessage);
    }
    archive.Close();
    QCOMPARE(folder.read(kAddressBook), card(u"Rossi"_s).bytes());
  }

  // A lock file its holder could not delete (a network share refuses to
  // delete a file another desk has open) and marked free is free at once.
  void lockMarkedFreeIsTakenAtOnce() {
    TestFolder folder;
    const QString lockPath = FileLock::lockFilePath(folder.filePath(kAddressBook));
    folder.write(QFileInfo(lockPath).fileName(), "released\n");
    LockTimingForTest timing({.waitLimit = 3000ms, .abandonedAfter = 2000ms});
    WaitsSeen waits;
    TArchivio archive(addressBookArchive());
    archive.Open();
    archive.Append(card(u"Rossi"_s));
    archive.Close();
    QVERIFY(waits.calls.isEmpty());
    QVERIFY(!QFile::exists(lockPath));
  }

  // A lock folder left without a holder file (a desk that crashed between
  // making it and naming itself, or a copy from a backup) looks held until
  // it has stayed unchanged for the abandon period.
  void lockFolderWithoutHolderIsTakenOnceAbandoned() {
    TestFolder folder;
    const QString lockPath = FileLock::lockFilePath(folder.filePath(kAddressBook));
    QVERIFY(QDir(folder.path()).mkdir(QFileInfo(lockPath).fileName()));
    LockTimingForTest timing({.waitLimit = 3000ms, .abandonedAfter = 1000ms});
    QElapsedTimer clock;
    clock.start();
    TArchivio archive(addressBookArchive());
    archive.Open();
    archive.Append(card(u"Rossi"_s));
    archive.Close();
    QVERIFY(clock.elapsed() >= 1000);
    QVERIFY(!QFile::exists(lockPath));
  }

  // A lock this station cannot make or delete, for reasons of its own, is no
  // other station's doing: reading goes on, a save says what is wrong and
  // what to do, and nothing waits for the whole wait (a lock folder that
  // holds other files is found out once its holder counts as gone).
  void lockProblemsAreToldNotBlamedOnAnotherStation_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("words");
    QTest::addColumn<int>("within");  // milliseconds, for both actions
    QTest::newRow("a lock folder holding other files")
        << u"cluttered"_s << u"la cartella di blocco contiene file estranei"_s << 3600;
    QTest::newRow("a protected lock file")
        << u"protected"_s << u"la cartella di blocco non può essere eliminata"_s << 1000;
    QTest::newRow("files can be made in the folder, not deleted")
        << u"append-only"_s << u"la cartella di blocco non può essere eliminata"_s << 1000;
  }
  void lockProblemsAreToldNotBlamedOnAnotherStation() {
    QFETCH(QString, setting);
    QFETCH(QString, words);
    QFETCH(int, within);
    TestFolder folder;
    folder.write(kAddressBook, card(u"Rossi"_s).bytes());
    const QString lockPath = FileLock::lockFilePath(folder.filePath(kAddressBook));
    const QString lockName = QFileInfo(lockPath).fileName();
    LockTimingForTest timing({.waitLimit = 3000ms, .abandonedAfter = 2000ms});
    int cards = 1;
    if (setting == u"cluttered") {
      QVERIFY(QDir(folder.path()).mkdir(lockName));
      folder.write(lockName + u"/foto.jpg"_s, "jpeg");
    } else if (setting == u"protected") {
#ifndef Q_OS_WIN
      if (::geteuid() != 0) QSKIP("only root can protect a file (chattr +i)");
#endif
      folder.write(lockName, kForeignLock);
      if (!folder.makeReadOnly(lockName)) QSKIP(TestFolder::kCannotMakeReadOnly);
    } else {
      if (!folder.makeAppendOnly()) QSKIP("only root can make a folder append-only (chattr +a)");
      // The first action works, and leaves its lock file behind.
      TArchivio first(addressBookArchive());
      first.Open();
      first.Append(card(u"Bianchi"_s));
      first.Close();
      QVERIFY(QFile::exists(lockPath));
      cards = 2;
    }
    QElapsedTimer clock;
    clock.start();
    for (int action = 0; action < 2; ++action) {
      TArchivio archive(addressBookArchive());
      archive.Open();
      QCOMPARE(archive.Count(), cards);
      TSchedaAnagrafica c;
      archive.ReadAt(1, c);
      QCOMPARE(c.text(u"Nome"), u"Rossi"_s);
      try {
        archive.Append(card(u"Verdi"_s));
        QFAIL("saved without a lock");
      } catch (const ArchiveError& error) {
        QVERIFY2(error.userMessage().contains(words), qPrintable(error.userMessage()));
        QVERIFY2(error.userMessage().contains(QDir::toNativeSeparators(lockPath)),
                 qPrintable(error.userMessage()));
      }
      archive.Close();
    }
    QVERIFY2(clock.elapsed() < within, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(QFileInfo(folder.filePath(kAddressBook)).size(), qint64(cards) * kCardSize);
  }

  void busyMessage() {
    QCOMPARE(kArchiveBusyMessage,
             u"Attenzione: l'archivio è in uso da parte di un'altra postazione.\n\r\n\r"
             "Attendere qualche istante e riprovare."_s);
    QCOMPARE(ArchiveBusy(u"x"_s).userMessage(), kArchiveBusyMessage);
  }
};

QTEST_GUILESS_MAIN(SharedArchiveTest)
#include "tst_sharedarchive.moc"
