#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "core/usererror.h"
#include "platform/errorlog.h"
#include "platform/guardedaction.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// A test application of plain QApplication: nothing catches in notify(), so
// an exception that left a slot would end the test run.
class GuardedActionTest : public QObject {
  Q_OBJECT
 private slots:
  void aFailingClickIsShownAsUnexpectedAndTheScreenGoesOn() {
    TestFolder folder;
    RecordingMessages messages;
    QWidget screen;
    QPushButton failing(&screen);
    QPushButton working(&screen);
    int failingRuns = 0;
    int workingRuns = 0;
    QObject::connect(&failing, &QPushButton::clicked, &screen, guarded(&screen, [&] {
      ++failingRuns;
      throw std::runtime_error("disco pieno");
    }));
    QObject::connect(&working, &QPushButton::clicked, &screen,
                     guarded(&screen, [&] { ++workingRuns; }));

    failing.click();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, RecordingMessages::Form::Unexpected);
    // Words the user cannot act on stay in the log; the screen says so.
    QCOMPARE(messages.last().text, kUnexpectedFailure);
    QVERIFY(folder.read(ErrorLog::kFileName).contains("disco pieno"));

    working.click();
    failing.click();
    QCOMPARE(workingRuns, 1);
    QCOMPARE(failingRuns, 2);
    QCOMPARE(messages.count(), 2);
  }

  // An error meant for the user is shown in its Italian words; its detail,
  // meant for whoever helps, goes to the log.
  void aUserErrorIsShownInItsOwnWords() {
    TestFolder folder;
    RecordingMessages messages;
    QWidget screen;
    screen.setObjectName(u"TfrmProva"_s);
    runGuarded(&screen, [] {
      throw UserError(u"/x/Anagrafica.pro: in use"_s, u"Attenzione: archivio in uso."_s);
    });
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, u"Attenzione: archivio in uso."_s);
    const QByteArray log = folder.read(ErrorLog::kFileName);
    QVERIFY2(log.contains("TfrmProva: /x/Anagrafica.pro: in use"), log.constData());
  }

  // The log stays small: past its limit it starts afresh and keeps the one
  // before; where it cannot be written the user is still told.
  void theLogIsKeptSmallAndNeverInTheWay() {
    TestFolder folder;
    RecordingMessages messages;
    folder.write(ErrorLog::kFileName, QByteArray(ErrorLog::kLimit + 1, 'x'));
    runGuarded(nullptr, [] { throw std::runtime_error("dopo"); });
    QCOMPARE(folder.read(ErrorLog::kFileName + u".1"_s).size(), ErrorLog::kLimit + 1);
    QVERIFY(folder.read(ErrorLog::kFileName).contains("dopo"));
    QVERIFY(folder.read(ErrorLog::kFileName).size() < 200);

    TestFolder readOnly;
    if (!readOnly.makeReadOnly()) QSKIP(TestFolder::kCannotMakeReadOnly);
    runGuarded(nullptr, [] { throw std::runtime_error("nessun registro"); });
    QCOMPARE(messages.count(), 2);
    QCOMPARE(messages.last().text, kUnexpectedFailure);
    QVERIFY(!readOnly.exists(ErrorLog::kFileName));
  }

  // A slot connected through the guard runs on the screen it belongs to.
  void aMemberSlotRunsOnItsScreen() {
    RecordingMessages messages;
    QPushButton screen;
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, &screen, guarded(&screen, &QWidget::hide));
    screen.show();
    button.click();
    QVERIFY(!screen.isVisible());
    QCOMPARE(messages.count(), 0);
  }
};

QTEST_MAIN(GuardedActionTest)
#include "tst_guardedaction.moc"
