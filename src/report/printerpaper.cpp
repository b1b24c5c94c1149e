#include "report/printerpaper.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "report/printservice.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// Sizes whose edges differ by less than this are the same paper: drivers
// round their sizes to whole points.
constexpr double kSamePaperMm = 1.0;

bool samePaper(QSizeF a, QSizeF b) {
  return qAbs(a.width() - b.width()) < kSamePaperMm && qAbs(a.height() - b.height()) < kSamePaperMm;
}

QString printerName(const QPrinter& printer) {
  return printer.printerName().isEmpty() ? u"PDF"_s : printer.printerName();
}

}  // namespace

namespace PrinterPaper {

QPageSize matching(const QList<QPageSize>& offered, bool takesAnySize, PaperSize paper) {
  const QSizeF upright(paper.width.toMm(), paper.height.toMm());
  const QSizeF turned = upright.transposed();
  for (const QPageSize& size : offered) {
    const QSizeF mm = size.size(QPageSize::Millimeter);
    if (samePaper(mm, upright) || samePaper(mm, turned)) return size;
  }
  if (takesAnySize || offered.isEmpty())
    return QPageSize(upright, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
  return {};
}

void fit(QPrinter& printer, const Page& page) {
  const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
  const QPrinterInfo info = toFile ? QPrinterInfo() : QPrinterInfo(printer);
  const QPageSize size =
      toFile ? matching({}, true, page.paper())
             : matching(info.supportedPageSizes(), info.supportsCustomPageSizes(), page.paper());
  if (!size.isValid()) throw PaperNotSupported(printerName(printer), page.paper());

  const QPageLayout::Orientation orientation =
      page.orientation() == Orientation::Upright ? QPageLayout::Portrait : QPageLayout::Landscape;
  printer.setFullPage(true);
  const bool sized = printer.setPageSize(size) && printer.setPageOrientation(orientation);
  // The printer's least margins for this size: the only ones every printer
  // takes. In full-page mode they do not move the painter's origin.
  const QMarginsF least = printer.pageLayout().minimumMargins();
  const bool margined = printer.setPageMargins(least, printer.pageLayout().units());

  const QPageLayout set = printer.pageLayout();
  const QSizeF wanted(page.paperWidth().toMm(), page.paperHeight().toMm());
  if (!sized || !margined || set.mode() != QPageLayout::FullPageMode ||
      set.orientation() != orientation ||
      !samePaper(set.fullRect(QPageLayout::Millimeter).size(), wanted))
    throw PaperNotSupported(printerName(printer), page.paper());
}

}  // namespace PrinterPaper

}  // namespace velinda
