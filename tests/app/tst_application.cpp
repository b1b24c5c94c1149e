#include <QLabel>
#include <QTest>

#include "app/velindaapplication.h"
#include "archive/archiveerror.h"
#include "archive/tarchivio.h"
#include "support/otherstation.h"
#include "support/testfolder.h"
#include "widgets/waitnotice.h"

using namespace velinda;

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

class ApplicationTest : public QObject {
  Q_OBJECT
 private slots:
  // While an action waits for another station, the program shows the busy
  // cursor, after a while a line saying what it waits for, and takes both
  // away when the wait ends.
  void busyCursorAndLineWhileWaitingForAnotherStation() {
    TestFolder folder;
    LockTimingForTest timing({.waitLimit = 800ms, .longWait = 300ms});
    OtherStation other;
    other.hold(folder.filePath(addressBookArchive().fileName));

    struct Seen {
      FileLock::WaitPhase phase;
      int cursor;  // the override cursor's shape after the call; -1 for none
      QString line;
    };
    QList<Seen> seen;
    const auto programs = FileLock::waitIndicator();
    QVERIFY(programs);
    FileLock::setWaitIndicator([&](FileLock::WaitPhase phase) {
      programs(phase);
      const QCursor* cursor = QGuiApplication::overrideCursor();
      const QLabel* line = WaitNotice::shownLine();
      seen << Seen{phase, cursor ? int(cursor->shape()) : -1,
                   line && line->isVisible() ? line->text() : QString()};
    });
    TArchivio archive(addressBookArchive());
    QVERIFY_THROWS_EXCEPTION(ArchiveBusy, archive.Open());
    FileLock::setWaitIndicator(programs);
    QCOMPARE(seen.size(), 3);
    QCOMPARE(seen[0].phase, FileLock::WaitPhase::Started);
    QCOMPARE(seen[0].cursor, int(Qt::WaitCursor));
    QVERIFY(seen[0].line.isEmpty());
    QCOMPARE(seen[1].phase, FileLock::WaitPhase::Long);
    QCOMPARE(seen[1].line, u"Attendere: un'altra postazione sta usando lo stesso archivio..."_s);
    QCOMPARE(seen[2].phase, FileLock::WaitPhase::Ended);
    QCOMPARE(seen[2].cursor, -1);
    QVERIFY(seen[2].line.isEmpty());
  }
};

int main(int argc, char** argv) {
  VelindaApplication app(argc, argv);
  ApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"
