#include <QTest>

#include "app/velindaapplication.h"
#include "archive/archiveerror.h"
#include "archive/tarchivio.h"
#include "support/otherstation.h"
#include "support/testfolder.h"

using namespace std::chrono_literals;

class ApplicationTest : public QObject {
  Q_OBJECT
 private slots:
  // While an action waits for another station, the program shows the busy
  // cursor, and takes it away when the wait ends.
  void busyCursorWhileWaitingForAnotherStation() {
    TestFolder folder;
    LockTimingForTest timing({.waitLimit = 300ms});
    OtherStation other;
    other.hold(folder.filePath(addressBookArchive().fileName));

    QList<int> shapes;  // the override cursor after each call; -1 for none
    const auto programs = ArchiveLock::waitIndicator();
    QVERIFY(programs);
    ArchiveLock::setWaitIndicator([&](bool waiting) {
      programs(waiting);
      const QCursor* cursor = QGuiApplication::overrideCursor();
      shapes << (cursor ? int(cursor->shape()) : -1);
    });
    TArchivio archive(addressBookArchive());
    QVERIFY_THROWS_EXCEPTION(ArchiveBusy, archive.Open());
    ArchiveLock::setWaitIndicator(programs);
    QCOMPARE(shapes, QList<int>({int(Qt::WaitCursor), -1}));
  }
};

int main(int argc, char** argv) {
  VelindaApplication app(argc, argv);
  ApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"
