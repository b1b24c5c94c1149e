#pragma once

#include <QPageSize>

#include "report/page.h"

class QPrinter;

namespace velinda {

// Fitting a page to the paper a printer has. Office printers rarely print to
// the edge and many take only their own list of sizes, so a page is set up as
// one of the printer's own sizes, in the printer's full-page mode (positions
// still measured from the paper's corner) with the margins at the printer's
// minimum; what lies in those margins is the printer's to drop.
namespace PrinterPaper {

// The printer's own size that is the page's paper, either way round, within
// a millimetre; a size of exactly the page's paper when the printer takes
// sizes of the caller's choosing (or lists none, as a file does); none
// (an invalid size) when the printer cannot take it.
QPageSize matching(const QList<QPageSize>& offered, bool takesAnySize, PaperSize paper);

// Sets the printer's sheet for the page and checks that the printer took it:
// size, orientation and full-page mode. Throws PaperNotSupported when the
// printer has no such paper, PrintError when it refuses the layout.
void fit(QPrinter& printer, const Page& page);

}  // namespace PrinterPaper

}  // namespace velinda
