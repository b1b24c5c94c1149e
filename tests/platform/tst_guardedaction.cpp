#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "platform/guardedaction.h"
#include "support/recordingmessages.h"

using namespace Qt::StringLiterals;

// A test application of plain QApplication: nothing catches in notify(), so
// an exception that left a slot would end the test run.
class GuardedActionTest : public QObject {
  Q_OBJECT
 private slots:
  void aFailingClickIsShownAsUnexpectedAndTheScreenGoesOn() {
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
    QCOMPARE(messages.last().text, u"disco pieno"_s);

    working.click();
    failing.click();
    QCOMPARE(workingRuns, 1);
    QCOMPARE(failingRuns, 2);
    QCOMPARE(messages.count(), 2);
  }

  // A slot connected through the guard runs on the screen it belongs to.
  void aMemberSlotRunsOnItsScreen() {
    RecordingMessages messages;
    QPushButton screen;
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, &screen,
                     guarded(&screen, &QWidget::hide));
    screen.show();
    button.click();
    QVERIFY(!screen.isVisible());
    QCOMPARE(messages.count(), 0);
  }
};

QTEST_MAIN(GuardedActionTest)
#include "tst_guardedaction.moc"
