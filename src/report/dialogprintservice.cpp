#include "report/dialogprintservice.h"

#include <QPrintDialog>
#include <QPrinter>

#include "report/pagepainter.h"
#include "report/pdffile.h"

#ifdef Q_OS_WIN
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#endif

using namespace Qt::StringLiterals;

namespace {

#ifdef Q_OS_WIN
// "Print to file" in the Windows print dialog would write the printer's own
// language into a file nobody can open; there the program asks for a file
// name and writes a PDF, as the print dialog does on Linux. False when the
// user cancels the file name.
bool pdfInPlaceOfPrintToFile(QPrinter& printer, QWidget* parent) {
  if (printer.outputFileName() != u"FILE:"_s) return true;
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString path = QFileDialog::getSaveFileName(
      parent, u"Stampa su file PDF"_s,
      QDir(folder).filePath((printer.docName().isEmpty() ? u"Stampa"_s : printer.docName()) +
                            u".pdf"_s),
      u"Documento PDF (*.pdf)"_s);
  if (path.isEmpty()) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  return true;
}
#endif

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
#ifdef Q_OS_WIN
  if (!pdfInPlaceOfPrintToFile(printer, parent)) return PrintOutcome::Cancelled;
#endif

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
