#include <QImage>
#include <QPainter>
#include <QTest>

#include "report/pagepainter.h"
#include "support/ink.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// Pages painted into a white image (see support/ink.h); a dot is inked when
// it is clearly darker than the paper.
namespace {
constexpr double kDotsPerMm = kImageDotsPerMm;

bool inked(const QImage& image, double xMm, double yMm) {
  const QColor c = image.pixelColor(int(xMm * kDotsPerMm), int(yMm * kDotsPerMm));
  return c.lightness() < 128;
}

TextBox bigX(const QString& text, BoxGeometry box) {
  TextBox item;
  item.name = u"txtX"_s;
  item.box = box;
  item.font = {u"Arial"_s, 72, true, Qt::black};
  item.text = text;
  return item;
}
}  // namespace

class PagePainterTest : public QObject {
  Q_OBJECT
 private slots:
  void filledBoxLandsAtItsPlaceShiftedByTheMargins() {
    Page page;
    page.setMargins(Length::mm(5), Length::mm(-2));
    page.add(RectangleItem{{40.0_mm, 30.0_mm, 50.0_mm, 20.0_mm}, QColor(Qt::black), {}});
    const QImage image = paintedPage(page);
    // On paper: left 38, top 35, right 88, bottom 55.
    QVERIFY(inked(image, 38.2, 35.2));
    QVERIFY(inked(image, 87.8, 54.8));
    QVERIFY(!inked(image, 37.8, 40));
    QVERIFY(!inked(image, 60, 34.8));
    QVERIFY(!inked(image, 88.2, 40));
    QVERIFY(!inked(image, 60, 55.2));
  }

  void textIsCutAtTheBoxEdge() {
    Page page;
    // A 72 pt "XXXXXXX" is far wider than 30 mm: it must stop at the edge.
    page.add(bigX(u"XXXXXXX"_s, {20.0_mm, 20.0_mm, 30.0_mm, 30.0_mm}));
    const QImage image = paintedPage(page);
    QVERIFY(inkedDots(image, 45.0, 49.8, 20.0, 50.0) > 0);
    QCOMPARE(inkedDots(image, 50.2, 120.0, 0.0, 80.0), 0);
  }

  void wrappedTextGoesOnToTheNextLine() {
    Page page;
    TextBox box = bigX(u"XX XX"_s, {20.0_mm, 20.0_mm, 60.0_mm, 80.0_mm});
    box.wrap = true;
    page.add(box);
    const QImage wrapped = paintedPage(page);
    // The second word sits on a second line, below the first (72 pt ~ 25 mm).
    QVERIFY(inkedDots(wrapped, 20.0, 80.0, 48.0, 70.0) > 0);

    Page unwrapped;
    unwrapped.add(bigX(u"XX XX"_s, {20.0_mm, 20.0_mm, 60.0_mm, 80.0_mm}));
    QCOMPARE(inkedDots(paintedPage(unwrapped), 20.0, 80.0, 48.0, 70.0), 0);
  }

  void centredTextSitsInTheMiddle() {
    Page page;
    TextBox box = bigX(u"X"_s, {20.0_mm, 20.0_mm, 80.0_mm, 40.0_mm});
    box.hAlign = HAlign::Centre;
    box.vAlign = VAlign::Centre;
    page.add(box);
    const QImage image = paintedPage(page);
    QVERIFY(inked(image, 60.0, 40.0));
    QCOMPARE(inkedDots(image, 20.0, 45.0, 20.0, 60.0), 0);
    QCOMPARE(inkedDots(image, 75.0, 100.0, 20.0, 60.0), 0);
  }

  void outlineAndLineAreDrawn() {
    Page page;
    page.add(RectangleItem{{10.0_mm, 10.0_mm, 50.0_mm, 20.0_mm}, {}, QColor(Qt::black), 0.5_mm});
    page.add(LineItem{100.0_mm, 10.0_mm, 100.0_mm, 60.0_mm, Qt::black, 0.5_mm});
    const QImage image = paintedPage(page);
    QVERIFY(inked(image, 10.0, 20.0));   // left side of the frame
    QVERIFY(!inked(image, 35.0, 20.0));  // an outline has no fill
    QVERIFY(inked(image, 100.0, 35.0));
    QVERIFY(!inked(image, 101.0, 35.0));
  }

  void sidewaysPageKeepsBoxesFromTheTopLeftCorner() {
    Page page(PaperSize::a4(), Orientation::Sideways);
    page.add(RectangleItem{{250.0_mm, 180.0_mm, 20.0_mm, 10.0_mm}, QColor(Qt::black), {}});
    const QImage image = paintedPage(page);
    QCOMPARE(image.width(), 2970);
    QCOMPARE(image.height(), 2100);
    QVERIFY(inked(image, 260.0, 185.0));
  }

  void outlinesAreDrawnOnlyWhenAskedAndOnlyRoundTextBoxes() {
    Page page;
    page.setMargins(Length::mm(5), Length::mm(0));
    TextBox box;
    box.name = u"txtVuoto"_s;
    box.box = {40.0_mm, 30.0_mm, 50.0_mm, 20.0_mm};
    page.add(box);
    page.add(RectangleItem{{120.0_mm, 30.0_mm, 30.0_mm, 20.0_mm}, std::nullopt, std::nullopt});

    auto paintedWith = [&page](const PaintOptions& options) {
      QImage image(2100, 2970, QImage::Format_RGB32);
      image.setDotsPerMeterX(10000);
      image.setDotsPerMeterY(10000);
      image.fill(Qt::white);
      QPainter painter(&image);
      paintPage(painter, page, options);
      return image;
    };
    // Any dot off white, however faint.
    auto faint = [](const QImage& image, double xMm, double yMm) {
      return QColor(image.pixel(int(xMm * kDotsPerMm), int(yMm * kDotsPerMm))).lightness() < 250;
    };
    const QImage outlined = paintedWith({.boxOutlines = true});
    const QImage plain = paintedWith({});
    // The box's four edges, shifted by the margins, and nothing inside or round it.
    const std::pair<double, double> edges[] = {{60, 35.0}, {60, 55.0}, {40.0, 45}, {90.0, 45}};
    for (const auto& [x, y] : edges) {
      const bool onEdge = faint(outlined, x, y) || faint(outlined, x - 0.1, y - 0.1);
      QVERIFY(onEdge);
      QVERIFY(!faint(plain, x, y) && !faint(plain, x - 0.1, y - 0.1));
    }
    QVERIFY(!faint(outlined, 60, 45));
    QVERIFY(!faint(outlined, 60, 34.5));
    // A rectangle item is not a text box: no outline.
    QVERIFY(!faint(outlined, 135, 35.0) && !faint(outlined, 135, 34.9));
  }
};

QTEST_MAIN(PagePainterTest)
#include "tst_pagepainter.moc"
