#include "report/summaryreport.h"

#include "core/text.h"
#include "report/bandedreport.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QColor kSlateGrey(112, 128, 144);
// One list line: 12.822 layout units, as the layout was drawn.
constexpr Length kLinePitch = Length::layoutUnits(12.822);
// The data band is taller than its lines by this much.
constexpr Length kDataBandPadding = Length::layoutUnits(10);

TextBox titleBox(const QString& title) {
  TextBox box;
  box.name = u"txtTitolo"_s;
  box.box = {2.00_mm, 1.00_mm, 273.00_mm, 5.00_mm};
  box.font = {u"Verdana"_s, 9, true, Qt::white};
  box.hAlign = HAlign::Centre;
  box.vAlign = VAlign::Centre;
  box.fill = kSlateGrey;
  box.text = title;
  return box;
}

TextBox linesBox(const QStringList& lines) {
  // One row per list line: a line break inside a line would push the rows
  // below it down and the last ones out of the box.
  QStringList rows;
  rows.reserve(lines.size());
  for (const QString& line : lines) rows << Text::oneLine(line);
  TextBox box;
  box.name = u"txtRiepilogo"_s;
  box.box = {3.00_mm, 0.00_mm, 273.00_mm, kLinePitch * double(rows.size())};
  box.font = {u"Courier New"_s, 8, false, Qt::black};
  box.text = rows.join(u'\n');
  box.linePitch = kLinePitch;
  return box;
}

TextBox footerBox(QDate date) {
  TextBox box;
  box.name = u"txtPagina"_s;
  box.box = {3.00_mm, 2.00_mm, 272.00_mm, 5.00_mm};
  box.font = {u"Verdana"_s, 8, true, Qt::white};
  box.hAlign = HAlign::Centre;
  box.vAlign = VAlign::Centre;
  box.fill = kSlateGrey;
  box.text = u"Stampa eseguita in data "_s + date.toString(u"dd/MM/yyyy"_s);
  return box;
}

}  // namespace

namespace SummaryReport {

std::vector<Page> pages(const QString& title, const QStringList& lines, QDate date) {
  BandedReport report(PaperSize::a4(), Orientation::Sideways,
                      {10.00_mm, 10.00_mm, 10.00_mm, 10.00_mm});
  report.title = {8.00_mm, {titleBox(title)}};
  const TextBox data = linesBox(lines);
  report.data = {data.box.height + kDataBandPadding, {data}};
  report.footer = {8.00_mm, {footerBox(date)}};
  return report.pages();
}

}  // namespace SummaryReport

}  // namespace velinda
