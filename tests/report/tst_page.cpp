#include <QTest>

#include "report/page.h"

using namespace velinda;

using namespace Qt::StringLiterals;

class PageTest : public QObject {
  Q_OBJECT
 private slots:
  void sidewaysSwapsThePaperSides_data() {
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::newRow("upright") << int(Orientation::Upright) << 210.0 << 297.0;
    QTest::newRow("sideways") << int(Orientation::Sideways) << 297.0 << 210.0;
  }
  void sidewaysSwapsThePaperSides() {
    QFETCH(int, orientation);
    QFETCH(double, width);
    QFETCH(double, height);
    Page page;
    page.setOrientation(Orientation(orientation));
    QCOMPARE(page.paperWidth().toMm(), width);
    QCOMPARE(page.paperHeight().toMm(), height);
  }

  void marginsMoveBoxesNotSizes() {
    Page page;
    page.setMargins(Length::mm(5), Length::mm(-2));
    const BoxGeometry placed = page.paperBox({84.0_mm, 52.8_mm, 115.0_mm, 4.0_mm});
    QCOMPARE(placed.left.toMm(), 82.0);
    QCOMPARE(placed.top.toMm(), 57.8);
    QCOMPARE(placed.width.toMm(), 115.0);
    QCOMPARE(placed.height.toMm(), 4.0);
  }

  void textBoxesAreFoundByName() {
    Page page;
    TextBox first;
    first.name = u"txtUno"_s;
    TextBox second;
    second.name = u"txtDue"_s;
    page.add(first);
    page.add(RectangleItem{});
    page.add(second);
    page.setText(u"txtDue"_s, u"due"_s);
    QCOMPARE(page.text(u"txtDue"_s), u"due"_s);
    QCOMPARE(page.text(u"txtUno"_s), QString());
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, page.setText(u"txtTre"_s, u"x"_s));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, page.text(u"txtdue"_s));
  }

  void layoutUnitsAreNinetySixthsOfAnInch() {
    QCOMPARE(Length::layoutUnits(96).toMm(), 25.4);
    QVERIFY(qAbs(Length::layoutUnits(12.822).toMm() - 3.39) < 0.005);
  }
};

QTEST_GUILESS_MAIN(PageTest)
#include "tst_page.moc"
