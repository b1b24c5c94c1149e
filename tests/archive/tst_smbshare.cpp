// Desks sharing one program folder on a real network share: a Samba server
// on this machine, mounted once per desk through libsmbclient (smbnetfs).
// On such a share a file that any handle has open cannot be deleted, and a
// file is replaced by deleting it and renaming the new one.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QSysInfo>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

#include "archive/archiveerror.h"
#include "archive/tarchivio.h"
#include "core/filelock.h"
#include "core/inifile.h"
#include "support/otherstation.h"
#include "support/sambashare.h"

using namespace velinda;

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QString kAddressBook = u"Anagrafica.pro"_s;
const QString kSettings = u"Impostazioni.ini"_s;
const int kCardSize = 3831;

TSchedaAnagrafica card(const QString& name) {
  TSchedaAnagrafica c;
  c.setText(u"Nome", name);
  c.setText(u"Note", name);
  return c;
}

}  // namespace

class SmbShareTest : public QObject {
  Q_OBJECT

  std::unique_ptr<SambaShare> share_;

  // Each test works in a program folder of its own on the share, made
  // through the share: files deleted behind the mounts' back would still be
  // known to their caches.
  QString folder_;

  QString onDesk(int desk, const QString& name) const {
    return share_->desk(desk) + folder_ + name;
  }
  QString onServer(const QString& name) const { return share_->serverFolder() + folder_ + name; }

 private slots:
  void initTestCase() {
    share_ = std::make_unique<SambaShare>(3);
    if (!share_->isReady()) QSKIP(qPrintable(share_->whyNot()));
  }

  void init() {
    static int count = 0;
    folder_ = u"programma%1/"_s.arg(++count);
    QVERIFY(QDir(share_->desk(1)).mkdir(folder_));
  }

  // Every desk saves through its own mount at the same time: every card is
  // whole, every number a save reported holds that save's card, and no
  // desk was ever told the archive was in use (a desk would end with an
  // error).
  void desksSavingAtOnceLoseNothing_data() {
    QTest::addColumn<int>("desks");
    QTest::addColumn<int>("saves");
    QTest::newRow("2 desks x 1000") << 2 << 1000;
    QTest::newRow("3 desks x 500") << 3 << 500;
  }
  void desksSavingAtOnceLoseNothing() {
    QFETCH(int, desks);
    QFETCH(int, saves);
    std::vector<std::unique_ptr<OtherStation>> stations;
    for (int desk = 1; desk <= desks; ++desk) {
      stations.push_back(std::make_unique<OtherStation>());
      stations.back()->append(onDesk(desk, kAddressBook), saves, QString(QChar(u'A' + desk - 1)));
    }
    QElapsedTimer clock;
    clock.start();
    for (auto& station : stations) station->go();
    for (auto& station : stations) {
      QVERIFY(station->waitForEnd(600000));
      QVERIFY2(station->endedWell(), qPrintable(station->errors()));
    }
    qInfo("%d saves on the share in %lld ms", desks * saves, clock.elapsed());

    const QString path = onServer(kAddressBook);
    QCOMPARE(QFileInfo(path).size(), qint64(desks) * saves * kCardSize);
    TArchivio archive(addressBookArchive(), path);
    archive.Open();
    QHash<QString, int> numberOf;
    TSchedaAnagrafica c;
    while (!archive.AtEnd()) {
      archive.ReadNext(c);
      const QString name = c.text(u"Nome");
      QCOMPARE(c.text(u"Note"), name);
      QVERIFY2(!numberOf.contains(name), qPrintable(name));
      numberOf.insert(name, archive.Position());
    }
    archive.Close();
    std::vector<qint64> times;
    for (auto& station : stations) {
      const QStringList reported = station->outputLines();
      QCOMPARE(reported.size(), saves);
      for (const QString& save : reported) {
        const QStringList words = save.split(u' ');
        QCOMPARE(numberOf.value(words[1]), words[0].toInt());
        times.push_back(words.value(2).toLongLong());
      }
    }
    std::sort(times.begin(), times.end());
    qInfo("time per save: median %.1f ms, p99 %.1f ms", times[times.size() / 2] / 1000.0,
          times[times.size() * 99 / 100] / 1000.0);
    // The last release deleted its lock file or, when another desk had it
    // open just then, marked it free.
    QFile holder(onServer(kAddressBook + u".lock/titolare"_s));
    if (holder.open(QIODevice::ReadOnly)) QCOMPARE(holder.readAll(), QByteArray("released\n"));
  }

  // Two desks save print offsets of different forms at once; a third form's
  // offsets, which neither touches, must survive, and so must both desks'
  // last values. Meanwhile a third desk reads the untouched section and
  // must never find it missing.
  void desksSavingSettingsKeepEverySection() {
    const QByteArray before =
        "[Margini Avviso Ricevimento Mittente]\r\nSuperiore=7\r\nSinistro=7\r\n";
    {
      QFile file(onServer(kSettings));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(before);
    }
    OtherStation first;
    OtherStation second;
    OtherStation reader;
    first.saveSettings(onDesk(1, kSettings), u"Margini Ricevuta Accettazione"_s, 100);
    second.saveSettings(onDesk(2, kSettings), u"Margini Avviso Ricevimento Destinatario"_s, 100);
    reader.readSettings(onDesk(3, kSettings), u"Margini Avviso Ricevimento Mittente"_s,
                        u"Sinistro"_s, u"7"_s);
    for (OtherStation* station : {&first, &second, &reader}) station->go();
    for (OtherStation* station : {&first, &second}) {
      QVERIFY(station->waitForEnd(300000));
      QVERIFY2(station->endedWell(), qPrintable(station->errors()));
    }
    reader.stop();
    QVERIFY2(reader.endedWell(), qPrintable(reader.errors()));
    const QStringList reads = reader.outputLines().value(0).split(u' ');
    QVERIFY(reads.value(0).toInt() > 0);
    QCOMPARE(reads.value(1), u"0"_s);

    const IniFile ini = IniFile::load(onServer(kSettings));
    QCOMPARE(ini.value(u"Margini Avviso Ricevimento Mittente"_s, u"Superiore"_s), u"7"_s);
    QCOMPARE(ini.value(u"Margini Avviso Ricevimento Mittente"_s, u"Sinistro"_s), u"7"_s);
    QCOMPARE(ini.value(u"Margini Ricevuta Accettazione"_s, u"Superiore"_s), u"100"_s);
    QCOMPARE(ini.value(u"Margini Avviso Ricevimento Destinatario"_s, u"Superiore"_s), u"100"_s);
  }

  // While another desk has the lock file open (judging it, say), the share
  // refuses to delete it: the holder's release marks it free instead, and
  // the next action on any desk takes it at once.
  void releaseThatCannotDeleteLeavesTheLockFree() {
    const QString holderOnServer = onServer(kAddressBook + u".lock/titolare"_s);
    LockTimingForTest timing({.waitLimit = 3000ms, .abandonedAfter = 2000ms});
    OtherStation peeker;
    {
      TArchivio archive(addressBookArchive(), onDesk(1, kAddressBook));
      archive.Open();
      archive.Append(card(u"Rossi"_s));
      peeker.peek(onDesk(2, kAddressBook + u".lock/titolare"_s), 1500);
      archive.Close();
    }
    QFile holder(holderOnServer);
    QVERIFY(holder.open(QIODevice::ReadOnly));
    QCOMPARE(holder.readAll(), QByteArray("released\n"));
    holder.close();
    peeker.stop();

    QElapsedTimer clock;
    clock.start();
    OtherStation next;
    next.append(onDesk(2, kAddressBook), 1, u"B"_s);
    next.go();
    QVERIFY(next.waitForEnd());
    QVERIFY2(next.endedWell(), qPrintable(next.errors()));
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(QFileInfo(onServer(kAddressBook)).size(), qint64(2) * kCardSize);
  }

  // A lock left on the share by a desk of another computer that
  // crashed is taken over on the first try, however long it takes to judge.
  void deskBehindACrashedOneGetsThroughOnItsFirstTry() {
    LockTimingForTest timing({.waitLimit = 3000ms, .abandonedAfter = 2000ms});
    {
      QFile lock(onServer(kAddressBook + u".lock"_s));
      QVERIFY(lock.open(QIODevice::WriteOnly));
      lock.write("4242\nvelinda\naltra-postazione\n1234abcd\n0\n");
    }
    TArchivio archive(addressBookArchive(), onDesk(1, kAddressBook));
    archive.Open();
    archive.Append(card(u"Rossi"_s));
    archive.Close();
    QCOMPARE(QFileInfo(onServer(kAddressBook)).size(), qint64(kCardSize));
  }

  // A lock of a computer cloned from this one (another name, this machine's
  // id) is never taken over while its holder renews it.
  void clonedComputersLockIsNotTakenWhileRenewed() {
    LockTimingForTest timing({.waitLimit = 2500ms, .abandonedAfter = 1000ms});
    const QString lockOnDesk2 = onDesk(2, kAddressBook + u".lock"_s);
    {
      QFile lock(lockOnDesk2);
      QVERIFY(lock.open(QIODevice::WriteOnly));
      lock.write("999999\nvelinda\naltra-postazione\n" + QSysInfo::machineUniqueId() + "\n0\n");
    }
    std::atomic<bool> working = true;
    std::thread holder([&] {
      for (int beat = 1; working; ++beat) {
        QFile lock(lockOnDesk2);
        if (lock.open(QIODevice::WriteOnly | QIODevice::ExistingOnly))
          lock.write("999999\nvelinda\naltra-postazione\n" + QSysInfo::machineUniqueId() + "\n" +
                     QByteArray::number(beat) + "\n");
        lock.close();
        std::this_thread::sleep_for(200ms);
      }
    });
    TArchivio archive(addressBookArchive(), onDesk(1, kAddressBook));
    QVERIFY_THROWS_EXCEPTION(ArchiveBusy, archive.Open());
    working = false;
    holder.join();
    QVERIFY(QFile::exists(onServer(kAddressBook + u".lock"_s)));
  }
};

QTEST_GUILESS_MAIN(SmbShareTest)
#include "tst_smbshare.moc"
