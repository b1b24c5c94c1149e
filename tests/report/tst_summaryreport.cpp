#include <QTest>

#include "report/summaryreport.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {
const QDate kDate(2026, 3, 7);

const TextBox* findBox(const Page& page, const QString& name) {
  for (const PageItem& item : page.items())
    if (const auto* box = std::get_if<TextBox>(&item); box && box->name == name) return box;
  return nullptr;
}

QStringList numberedLines(int count) {
  QStringList lines;
  for (int i = 1; i <= count; ++i) lines << u"Riga %1"_s.arg(i);
  return lines;
}
}  // namespace

class SummaryReportTest : public QObject {
  Q_OBJECT
 private slots:
  void longListRunsOverSeveralPages() {
    const QStringList lines = numberedLines(200);
    const std::vector<Page> pages = SummaryReport::pages(u"Titolo"_s, lines, kDate);
    QVERIFY(pages.size() >= 3);

    QStringList printed;
    for (size_t i = 0; i < pages.size(); ++i) {
      const Page& page = pages[i];
      QCOMPARE(page.orientation(), Orientation::Sideways);
      QCOMPARE(page.topMargin().toMm(), 10.0);
      QCOMPARE(page.leftMargin().toMm(), 10.0);
      QCOMPARE(findBox(page, u"txtTitolo"_s) != nullptr, i == 0);
      QCOMPARE(findBox(page, u"txtPagina"_s) != nullptr, i == pages.size() - 1);
      const TextBox* data = findBox(page, u"txtRiepilogo"_s);
      QVERIFY(data);
      // Nothing runs into the bottom margin.
      QVERIFY(page.paperBox(data->box).bottom().toMm() <= 200.0 + 1e-6);
      if (i > 0) QCOMPARE(data->box.top.toMm(), 0.0);
      const QStringList here = data->text.split(u'\n');
      // Each page holds as many lines as its box is tall.
      QCOMPARE(data->box.height.toMm(), here.size() * data->linePitch.toMm());
      printed += here;
    }
    QCOMPARE(printed, lines);  // every line once, in order

    const Page& first = pages.front();
    QCOMPARE(findBox(first, u"txtTitolo"_s)->text, u"Titolo"_s);
    QCOMPARE(findBox(first, u"txtRiepilogo"_s)->box.top.toMm(), 8.0);

    const Page& last = pages.back();
    const TextBox* data = findBox(last, u"txtRiepilogo"_s);
    const TextBox* footer = findBox(last, u"txtPagina"_s);
    QCOMPARE(footer->text, u"Stampa eseguita in data 07/03/2026"_s);
    // The footer band follows the data band's 10 units of padding.
    QVERIFY(qAbs(footer->box.top.toMm() -
                 (data->box.bottom() + Length::layoutUnits(10) + 2.0_mm).toMm()) < 1e-6);
  }

  // Lines come from records, which may hold line breaks: each line must
  // still be one row, or the rows after it would be pushed out of the box
  // and never printed.
  void everyLineIsOneRow() {
    QStringList lines = numberedLines(5);
    lines[1] = u"Riga 2\r\nseguito"_s;
    lines[3] = u"Riga 4\nseguito\nancora"_s;
    const std::vector<Page> pages = SummaryReport::pages(u"Titolo"_s, lines, kDate);
    QCOMPARE(pages.size(), size_t(1));
    const TextBox* data = findBox(pages.front(), u"txtRiepilogo"_s);
    QVERIFY(data);
    QCOMPARE(data->text.split(u'\n'), (QStringList{u"Riga 1"_s, u"Riga 2 seguito"_s, u"Riga 3"_s,
                                                   u"Riga 4 seguito ancora"_s, u"Riga 5"_s}));
    QCOMPARE(data->box.height.toMm(), (data->linePitch * 5.0).toMm());
  }

  void firstPageHoldsWhatFitsBelowTheTitle() {
    const std::vector<Page> pages = SummaryReport::pages(u"T"_s, numberedLines(200), kDate);
    const TextBox* data = findBox(pages.front(), u"txtRiepilogo"_s);
    const double pitch = data->linePitch.toMm();
    const int fits = int((190.0 - 8.0) / pitch);
    QCOMPARE(data->text.split(u'\n').size(), fits);
    const TextBox* second = findBox(pages[1], u"txtRiepilogo"_s);
    QCOMPARE(second->text.split(u'\n').size(), int(190.0 / pitch));
  }

  void emptyListPrintsTitleEmptyBandAndFooter() {
    const std::vector<Page> pages = SummaryReport::pages(u"Vuoto"_s, {}, kDate);
    QCOMPARE(pages.size(), size_t(1));
    const Page& page = pages.front();
    QCOMPARE(findBox(page, u"txtTitolo"_s)->text, u"Vuoto"_s);
    QCOMPARE(findBox(page, u"txtRiepilogo"_s)->text, QString());
    const TextBox* footer = findBox(page, u"txtPagina"_s);
    // Title band 8 mm, an empty data band of 10 units, the footer's box 2 mm down.
    QVERIFY(qAbs(footer->box.top.toMm() - (8.0 + 25.4 * 10 / 96 + 2.0)) < 1e-6);
  }

  void titleAndFooterLookAsDesigned() {
    const Page page = SummaryReport::pages(u"T"_s, {u"a"_s}, kDate).front();
    for (const char* name : {"txtTitolo", "txtPagina"}) {
      const TextBox* box = findBox(page, QString::fromLatin1(name));
      QCOMPARE(box->fill, std::optional<QColor>(QColor(112, 128, 144)));
      QCOMPARE(box->font.colour, QColor(Qt::white));
      QVERIFY(box->font.bold);
      QCOMPARE(box->hAlign, HAlign::Centre);
    }
    const TextBox* data = findBox(page, u"txtRiepilogo"_s);
    QCOMPARE(data->font.family, u"Courier New"_s);
    QCOMPARE(data->font.points, 8.0);
    QVERIFY(!data->wrap);
  }
};

QTEST_GUILESS_MAIN(SummaryReportTest)
#include "tst_summaryreport.moc"
