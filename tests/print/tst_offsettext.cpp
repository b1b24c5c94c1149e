#include <QTest>

#include "print/offsettext.h"

class OffsetTextTest : public QObject {
  Q_OBJECT
 private slots:
  void stepsWholeNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("result");
    QTest::newRow("zero down") << u"0"_qs << -1 << u"-1"_qs;
    QTest::newRow("below zero") << u"-3"_qs << -1 << u"-4"_qs;
    QTest::newRow("back up to zero") << u"-1"_qs << 1 << u"0"_qs;
    QTest::newRow("blanks around") << u" 12 "_qs << 1 << u"13"_qs;
    QTest::newRow("up to the paper's length") << u"296"_qs << 1 << u"297"_qs;
    QTest::newRow("down to the paper's length") << u"-296"_qs << -1 << u"-297"_qs;
    QTest::newRow("no further down") << u"-297"_qs << -1 << u"-297"_qs;
    QTest::newRow("no further up") << u"297"_qs << 1 << u"297"_qs;
  }
  void stepsWholeNumbers() {
    QFETCH(QString, text);
    QFETCH(int, step);
    QFETCH(QString, result);
    QCOMPARE(OffsetText::stepped(text, step), result);
  }

  void refusesWhatIsNotAWholeNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("fraction") << u"2,5"_qs;
    QTest::newRow("point") << u"2.5"_qs;
    QTest::newRow("word") << u"abc"_qs;
    QTest::newRow("empty") << QString();
    // Hand-edited values beyond the paper, up to the largest 64-bit number
    // (which plus one does not fit) and beyond.
    QTest::newRow("beyond the paper") << u"298"_qs;
    QTest::newRow("beyond the paper, upwards") << u"-298"_qs;
    QTest::newRow("largest 64-bit number") << u"9223372036854775807"_qs;
    QTest::newRow("smallest 64-bit number") << u"-9223372036854775808"_qs;
    QTest::newRow("more digits than fit") << u"99999999999999999999"_qs;
  }
  void refusesWhatIsNotAWholeNumber() {
    QFETCH(QString, text);
    try {
      OffsetText::stepped(text, 1);
      QFAIL("no error");
    } catch (const OffsetConversionError& error) {
      QCOMPARE(error.message(), u"'%1' non è un valore intero valido."_qs.arg(text));
    }
  }

  void readsDecimalCommaForPrinting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("mm");
    QTest::newRow("whole") << u"-3"_qs << -3.0;
    QTest::newRow("comma") << u"2,5"_qs << 2.5;
    QTest::newRow("blanks") << u" 7 "_qs << 7.0;
    QTest::newRow("leading comma") << u"-,5"_qs << -0.5;
    QTest::newRow("the paper's length") << u"-297"_qs << -297.0;
  }
  void readsDecimalCommaForPrinting() {
    QFETCH(QString, text);
    QFETCH(double, mm);
    QCOMPARE(OffsetText::toLength(text).toMm(), mm);
  }

  void refusesNonNumbersForPrinting_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("point as separator") << u"2.5"_qs;
    QTest::newRow("word") << u"dieci"_qs;
    QTest::newRow("empty") << QString();
    QTest::newRow("two commas") << u"1,2,3"_qs;
    QTest::newRow("beyond the paper") << u"297,5"_qs;
    QTest::newRow("far beyond the paper") << u"-9223372036854775807"_qs;
    QTest::newRow("more digits than a double holds") << QString(400, u'9');
  }
  void refusesNonNumbersForPrinting() {
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(OffsetConversionError, OffsetText::toLength(text));
  }
};

QTEST_GUILESS_MAIN(OffsetTextTest)
#include "tst_offsettext.moc"
