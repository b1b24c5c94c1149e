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
    QTest::newRow("no upper bound") << u"999999"_qs << 1 << u"1000000"_qs;
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
  }
  void refusesNonNumbersForPrinting() {
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(OffsetConversionError, OffsetText::toLength(text));
  }
};

QTEST_GUILESS_MAIN(OffsetTextTest)
#include "tst_offsettext.moc"
