#include "report/dialogprintservice.h"

#include <QPrintDialog>
#include <QPrinter>

#include "report/pagepainter.h"
#include "report/pdffile.h"

namespace {

// Positions are measured from the paper's corner: no printer margins.
void prepare(QPrinter& printer, const Page& first) {
  printer.setFullPage(true);
  applyPageLayout(printer, first);
}

std::vector<Page> chosenPages(const QPrinter& printer, const std::vector<Page>& pages) {
  int from = 1;
  int to = int(pages.size());
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    from = printer.fromPage();
    to = qMin(printer.toPage() > 0 ? printer.toPage() : to, to);
  }
  std::vector<Page> chosen;
  // Where the driver cannot make copies itself, the copies are printed here.
  const int copies = printer.supportsMultipleCopies() ? 1 : qMax(1, printer.copyCount());
  for (int copy = 0; copy < copies; ++copy)
    for (int number = from; number <= to; ++number) chosen.push_back(pages[number - 1]);
  return chosen;
}

}  // namespace

PrintOutcome DialogPrintService::print(QWidget* parent, const std::vector<Page>& pages,
                                       const QString& documentName) {
  if (pages.empty()) return PrintOutcome::Printed;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(documentName);
  prepare(printer, pages.front());

  QPrintDialog dialog(&printer, parent);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange);
  dialog.setMinMax(1, int(pages.size()));
  if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;

  if (!printer.isValid()) throw PrintError("no usable printer");
  // The driver may have handed back another paper size or orientation.
  prepare(printer, pages.front());
  output(printer, chosenPages(printer, pages), progress());
  return PrintOutcome::Printed;
}

void DialogPrintService::output(QPrinter& printer, const std::vector<Page>& pages,
                                const PageProgress& progress) {
  // Qt's own PDF output drops a failed write without a word, so a file is
  // written here, where every write is checked.
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    PdfFile::write(printer.outputFileName(), pages, printer.docName(), progress);
    return;
  }
  renderPages(printer, pages, progress);
  if (printer.printerState() == QPrinter::Error)
    throw PrintError("the printer reported an error");
}
