#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTest>
#include <atomic>
#include <thread>

#include "archive/archiveerror.h"
#include "archive/archivelock.h"
#include "archive/tarchivio.h"
#include "support/otherstation.h"
#include "support/testfolder.h"

using namespace Qt::StringLiterals;

using namespace std::chrono_literals;

namespace {

const QString kAddressBook = u"Anagrafica.pro"_s;
const int kCardSize = 3831;

// Records every call of the wait indicator.
struct WaitsSeen {
  QList<bool> calls;
  WaitsSeen() {
    ArchiveLock::setWaitIndicator([this](bool waiting) { calls << waiting; });
  }
  ~WaitsSeen() { ArchiveLock::setWaitIndicator({}); }
};

TSchedaAnagrafica card(const QString& name) {
  TSchedaAnagrafica c;
  c.setText(u"Nome", name);
  c.setText(u"Note", name);
  return c;
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
    QVERIFY(!QFile::exists(ArchiveLock::lockFilePath(path)));
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
    QVERIFY(QFile::exists(ArchiveLock::lockFilePath(folder.filePath(kAddressBook))));
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
    QTest::newRow("left by a station that died") << false;
    QTest::newRow("kept by a station at work") << true;
  }
  void lockOfAnotherComputer() {
    QFETCH(bool, renewed);
    TestFolder folder;
    const QString lockPath = ArchiveLock::lockFilePath(folder.filePath(kAddressBook));
    folder.write(QFileInfo(lockPath).fileName(), kForeignLock);
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
      QCOMPARE(folder.read(QFileInfo(lockPath).fileName()), kForeignLock);
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
    const QString lockPath = ArchiveLock::lockFilePath(folder.filePath(kAddressBook));
    TArchivio archive(addressBookArchive());
    archive.Open();
    const QDateTime taken = QFileInfo(lockPath).lastModified();
    QTest::qWait(120);
    TSchedaAnagrafica c;
    archive.ReadAt(1, c);
    QVERIFY(QFileInfo(lockPath).lastModified() > taken);
    archive.Close();
  }

  void oneProcessNeverWaitsForItself() {
    TestFolder folder;
    const QString lockPath = ArchiveLock::lockFilePath(folder.filePath(kAddressBook));
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
    QVERIFY(!QFile::exists(ArchiveLock::lockFilePath(folder.filePath(kAddressBook))));
  }

  void folderWithoutWriteAccessIsAnAccessFailure() {
    TestFolder folder;
    folder.write(kAddressBook, card(u"Rossi"_s).bytes());
    if (!folder.makeReadOnly()) QSKIP(TestFolder::kCannotMakeReadOnly);
    LockTimingForTest timing({.waitLimit = 200ms});
    TArchivio archive(addressBookArchive());
    try {
      archive.Open();
      QFAIL("opened without a lock");
    } catch (const ArchiveError& error) {
      QCOMPARE(error.userMessage(), kArchiveAccessMessage);
    }
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
