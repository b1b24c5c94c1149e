#include <QTest>

#include "archive/archiveerror.h"
#include "archive/tscheda.h"
#include "export/tfrmexpanagrafica.h"
#include "support/otherstation.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using namespace std::chrono_literals;

// While another station holds the archive for longer than the grid waits,
// an empty grid must not pass for an empty archive, nor be exported as one.
class ExportBusyTest : public QObject {
  Q_OBJECT
 private slots:
  void busyArchiveIsReportedAndTheScreenCloses() {
    TestFolder folder;
    RecordingMessages messages;
    LockTimingForTest timing({.waitLimit = 300ms});
    TSchedaAnagrafica card;
    card.setText(u"Nome", u"Rossi"_s);
    folder.write(addressBookArchive().fileName, card.bytes());
    OtherStation other;
    other.hold(folder.filePath(addressBookArchive().fileName));

    TfrmExpAnagrafica screen;
    screen.show();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, RecordingMessages::Form::Plain);
    QCOMPARE(messages.last().text, kArchiveBusyMessage);
    QTRY_VERIFY(!screen.isVisible());
    QVERIFY(!folder.exists(u"Anagrafica.xls"_s));
  }
};

QTEST_MAIN(ExportBusyTest)
#include "tst_exportbusy.moc"
