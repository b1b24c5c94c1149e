#include <QTest>

#include "report/printerpaper.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// Which of a printer's own sizes a page is printed on.
class PrinterPaperTest : public QObject {
  Q_OBJECT
 private slots:
  void aPageTakesThePrintersOwnSize_data() {
    QTest::addColumn<QList<QPageSize>>("offered");
    QTest::addColumn<bool>("anySize");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("chosen");  // the size's key; empty: none
    const QList<QPageSize> office{QPageSize(QPageSize::Letter), QPageSize(QPageSize::A4),
                                  QPageSize(QPageSize::EnvelopeDL), QPageSize(QPageSize::C5E)};
    // A driver's sizes in whole points: DL is 312 x 624 pt, 110.07 x 220.13 mm.
    const QList<QPageSize> rounded{QPageSize(QSize(312, 624), u"EnvDL"_s, QPageSize::ExactMatch)};
    QTest::newRow("A4") << office << false << 210.0 << 297.0 << u"A4"_s;
    QTest::newRow("DL") << office << false << 110.0 << 220.0 << u"EnvDL"_s;
    QTest::newRow("C5") << office << false << 162.0 << 229.0 << u"EnvC5"_s;
    QTest::newRow("DL in whole points") << rounded << false << 110.0 << 220.0 << u"EnvDL"_s;
    QTest::newRow("C4 missing") << office << false << 229.0 << 324.0 << QString();
    QTest::newRow("C4 missing, any size taken") << office << true << 229.0 << 324.0 << u"EnvC4"_s;
    QTest::newRow("no list: a file") << QList<QPageSize>() << false << 229.0 << 324.0 << u"EnvC4"_s;
    QTest::newRow("a size of no name, any size taken")
        << office << true << 123.0 << 234.0 << u"Custom.123x234mm"_s;
    QTest::newRow("2 mm off is another paper") << office << false << 212.0 << 297.0 << QString();
  }
  void aPageTakesThePrintersOwnSize() {
    QFETCH(QList<QPageSize>, offered);
    QFETCH(bool, anySize);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QString, chosen);
    const QPageSize size =
        PrinterPaper::matching(offered, anySize, {Length::mm(width), Length::mm(height)});
    QCOMPARE(size.isValid(), !chosen.isEmpty());
    if (!size.isValid()) return;
    QCOMPARE(size.key(), chosen);
    const QSizeF mm = size.size(QPageSize::Millimeter);
    QVERIFY(qAbs(mm.width() - width) < 1 && qAbs(mm.height() - height) < 1);
  }
};

QTEST_GUILESS_MAIN(PrinterPaperTest)
#include "tst_printerpaper.moc"
