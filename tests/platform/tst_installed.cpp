#include <QTest>

#include "platform/filechooser.h"
#include "platform/installed.h"
#include "platform/qtmessageservice.h"
#include "platform/services.h"
#include "platform/shellservice.h"
#include "report/dialogprintservice.h"
#include "support/pdfprintservice.h"
#include "support/recordingfilechooser.h"
#include "support/recordingmessages.h"
#include "support/recordingshell.h"

using namespace velinda;

namespace {

enum class Seam { Messages, Shell, Printer, FileChooser };

// Two stand-ins of the same kind, one inside the other, then the outer one
// put in place once more inside the inner one: each time one goes away the
// one before it is back, and at the end the program's real service.
template <typename Service, typename Real, typename StandIn>
void nestedStandInsGiveWayInOrder(Service& (*seam)()) {
  QVERIFY(dynamic_cast<Real*>(&seam()));
  {
    StandIn outer;
    QCOMPARE(&seam(), static_cast<Service*>(&outer));
    {
      StandIn inner;
      QCOMPARE(&seam(), static_cast<Service*>(&inner));
      {
        const Installed<Service> outerAgain(outer);
        QCOMPARE(&seam(), static_cast<Service*>(&outer));
      }
      QCOMPARE(&seam(), static_cast<Service*>(&inner));
    }
    QCOMPARE(&seam(), static_cast<Service*>(&outer));
  }
  QVERIFY(dynamic_cast<Real*>(&seam()));
  QCOMPARE(Installed<Service>::current(), nullptr);
}

}  // namespace

class InstalledTest : public QObject {
  Q_OBJECT
 private slots:
  void nestedStandInsGiveWayInOrder_data() {
    QTest::addColumn<Seam>("seam");
    QTest::newRow("messages") << Seam::Messages;
    QTest::newRow("shell") << Seam::Shell;
    QTest::newRow("printer") << Seam::Printer;
    QTest::newRow("file chooser") << Seam::FileChooser;
  }
  void nestedStandInsGiveWayInOrder() {
    QFETCH(Seam, seam);
    switch (seam) {
      case Seam::Messages:
        ::nestedStandInsGiveWayInOrder<MessageService, QtMessageService, RecordingMessages>(
            Services::messages);
        break;
      case Seam::Shell:
        ::nestedStandInsGiveWayInOrder<ShellService, DesktopShell, RecordingShell>(Services::shell);
        break;
      case Seam::Printer:
        ::nestedStandInsGiveWayInOrder<PrintService, DialogPrintService, PdfPrintService>(
            PrintServices::printer);
        break;
      case Seam::FileChooser:
        ::nestedStandInsGiveWayInOrder<FileChooser, DialogFileChooser, RecordingFileChooser>(
            FileChoosers::current);
        break;
    }
  }
};

QTEST_MAIN(InstalledTest)
#include "tst_installed.moc"
