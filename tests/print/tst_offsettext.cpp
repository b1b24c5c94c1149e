#include <QTest>

#include "print/offsettext.h"

using namespace velinda;

using namespace Qt::StringLiterals;

class OffsetTextTest : public QObject {
  Q_OBJECT
 private slots:
  void stepsWholeNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("result");
    QTest::newRow("zero down") << u"0"_s << -1 << u"-1"_s;
    QTest::newRow("below zero") << u"-3"_s << -1 << u"-4"_s;
    QTest::newRow("back up to zero") << u"-1"_s << 1 << u"0"_s;
    QTest::newRow("blanks around") << u" 12 "_s << 1 << u"13"_s;
    QTest::newRow("up to the paper's length") << u"296"_s << 1 << u"297"_s;
    QTest::newRow("down to the paper's length") << u"-296"_s << -1 << u"-297"_s;
    QTest::newRow("no further down") << u"-297"_s << -1 << u"-297"_s;
    QTest::newRow("no further up") << u"297"_s << 1 << u"297"_s;
  }
  void stepsWholeNumbers() {
    QFETCH(QString, text);
    QFETCH(int, step);
    QFETCH(QString, result);
    QCOMPARE(OffsetText::stepped(text, step), result);
  }

  void refusesWhatIsNotAWholeNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("fraction") << u"2,5"_s;
    QTest::newRow("point") << u"2.5"_s;
    QTest::newRow("word") << u"abc"_s;
    QTest::newRow("empty") << QString();
    // Hand-edited values beyond the paper, up to the largest 64-bit number
    // (which plus one does not fit) and beyond.
    QTest::newRow("beyond the paper") << u"298"_s;
    QTest::newRow("beyond the paper, upwards") << u"-298"_s;
    QTest::newRow("largest 64-bit number") << u"9223372036854775807"_s;
    QTest::newRow("smallest 64-bit number") << u"-9223372036854775808"_s;
    QTest::newRow("more digits than fit") << u"99999999999999999999"_s;
  }
  void refusesWhatIsNotAWholeNumber() {
    QFETCH(QString, text);
    try {
      OffsetText::stepped(text, 1);
      QFAIL("no error");
    } catch (const OffsetConversionError& error) {
      QCOMPARE(error.message(), u"'%1' non è un valore intero valido."_s.arg(text));
    }
  }

  void readsDecimalCommaForPrinting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("mm");
    QTest::newRow("whole") << u"-3"_s << -3.0;
    QTest::newRow("comma") << u"2,5"_s << 2.5;
    QTest::newRow("blanks") << u" 7 "_s << 7.0;
    QTest::newRow("leading comma") << u"-,5"_s << -0.5;
    QTest::newRow("the paper's length") << u"-297"_s << -297.0;
  }
  void readsDecimalCommaForPrinting() {
    QFETCH(QString, text);
    QFETCH(double, mm);
    QCOMPARE(OffsetText::toLength(text).toMm(), mm);
  }

  void refusesNonNumbersForPrinting_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("point as separator") << u"2.5"_s;
    QTest::newRow("word") << u"dieci"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("two commas") << u"1,2,3"_s;
    QTest::newRow("beyond the paper") << u"297,5"_s;
    QTest::newRow("far beyond the paper") << u"-9223372036854775807"_s;
    QTest::newRow("more digits than a double holds") << QString(400, u'9');
  }
  void refusesNonNumbersForPrinting() {
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(OffsetConversionError, OffsetText::toLength(text));
  }
};

QTEST_GUILESS_MAIN(OffsetTextTest)
#include "tst_offsettext.moc"
