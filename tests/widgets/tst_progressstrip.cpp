#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QThread>

#include "widgets/progressstrip.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// A strip over a window's help line, as the screens place it.
struct Screen {
  QWidget window;
  QLabel* help = new QLabel(u"Pronto"_s, &window);
  ProgressStrip* strip;

  Screen() : strip(new ProgressStrip(u"prgLavoro"_s, help, QFont(), Qt::white, Qt::blue)) {
    help->setGeometry(10, 200, 300, 24);
    window.resize(320, 240);
    window.show();
  }
  int barValue() const { return strip->findChild<QProgressBar*>()->value(); }
};

class ProgressStripTest : public QObject {
  Q_OBJECT
 private slots:
  void quickWorkShowsNothing() {
    Screen s;
    s.strip->start(u"Schede esportate:"_s, 3);
    for (int done = 1; done <= 3; ++done) s.strip->advance(done);
    s.strip->finish();
    QVERIFY(s.strip->isHidden());
    QVERIFY(s.help->isVisible());
    QCOMPARE(s.strip->text(), QString());
  }

  // Past the delay the strip takes the help line's place with its count,
  // and gives it back at the end.
  void longWorkShowsItsCountInPlaceOfTheHelpLine() {
    Screen s;
    s.strip->setDelay(50);
    s.strip->start(u"Schede esportate:"_s, 100000);
    s.strip->advance(10);
    QVERIFY(s.strip->isHidden());
    QThread::msleep(60);
    s.strip->advance(45000);
    QVERIFY(s.strip->isVisible());
    QVERIFY(s.help->isHidden());
    QCOMPARE(s.strip->geometry(), s.help->geometry());
    QCOMPARE(s.strip->text(), u"Schede esportate: 45.000 su 100.000"_s);
    QCOMPARE(s.barValue(), 45000);
    // Redrawn at most every tenth of a second.
    s.strip->advance(45001);
    QCOMPARE(s.barValue(), 45000);

    s.strip->finish();
    QVERIFY(s.strip->isHidden());
    QVERIFY(s.help->isVisible());
    // A later piece of work starts hidden again.
    s.strip->start(u"Pagine stampate:"_s, 2);
    s.strip->advance(1);
    QVERIFY(s.strip->isHidden());
  }
};

QTEST_MAIN(ProgressStripTest)
#include "tst_progressstrip.moc"
