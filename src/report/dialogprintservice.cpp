#include "report/dialogprintservice.h"

#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>

#include "report/pagepainter.h"
#include "report/pdffile.h"
#include "report/printerpaper.h"
#if VELINDA_HAVE_CUPS
#include "report/cupsqueue.h"
#endif

#ifdef Q_OS_WIN
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#endif

namespace velinda {

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

// Before the dialog: the first page's paper, so that the dialog shows it.
// The printer may refuse; the choice is made again once the dialog is
// accepted.
void preselect(QPrinter& printer, const Page& first) {
  printer.setFullPage(true);
  try {
    PrinterPaper::fit(printer, first);
  } catch (const PrintError&) {
  }
}

#if VELINDA_HAVE_CUPS
// Where Qt keeps the printer properties chosen in its dialog on a CUPS
// system: name and value in turn.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

CupsQueue::JobChoices choicesOf(QPrinter& printer) {
  CupsQueue::JobChoices choices;
  choices.copies = printer.supportsMultipleCopies() ? qMax(1, printer.copyCount()) : 1;
  choices.collate = printer.collateCopies();
  choices.twoSided =
      printer.duplex() == QPrinter::DuplexLongSide || printer.duplex() == QPrinter::DuplexShortSide;
  choices.shortEdge = printer.duplex() == QPrinter::DuplexShortSide;
  if (QPrintEngine* engine = printer.printEngine())
    choices.options = engine->property(kCupsOptions).toStringList();
  return choices;
}
#endif

}  // namespace

PrintOutcome DialogPrintService::print(QWidget* parent, PageSource& pages,
                                       const QString& documentName) {
  const int count = pages.count();
  if (count == 0) return PrintOutcome::Printed;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(documentName);
  preselect(printer, pages.page(0));

  QPrintDialog dialog(&printer, parent);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange);
  dialog.setMinMax(1, count);
  if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
#ifdef Q_OS_WIN
  if (!pdfInPlaceOfPrintToFile(printer, parent)) return PrintOutcome::Cancelled;
#endif

  if (!printer.isValid())
    throw PrintError(u"Attenzione: non c'è nessuna stampante utilizzabile."_s + u"\r\n\r\n"_s +
                     u"Controllare che la stampante sia installata e accesa."_s);
  int first = 1;
  int last = count;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    first = printer.fromPage();
    last = qMin(printer.toPage() > 0 ? printer.toPage() : last, last);
  }
  // Where the driver cannot make copies itself, the copies are printed here.
  const int copies = printer.supportsMultipleCopies() ? 1 : qMax(1, printer.copyCount());
  PageRange chosen(pages, first, last, copies);
  output(printer, chosen, progress());
  return PrintOutcome::Printed;
}

void DialogPrintService::output(QPrinter& printer, PageSource& pages,
                                const PageProgress& progress) {
  // Qt's own PDF output drops a failed write without a word, so a file is
  // written here, where every write is checked.
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    PdfFile::write(printer.outputFileName(), pages, printer.docName(), progress);
    return;
  }
#if VELINDA_HAVE_CUPS
  // Qt hands a CUPS queue its job without asking how it went.
  if (printer.outputFormat() == QPrinter::NativeFormat &&
      CupsQueue::exists(printer.printerName())) {
    CupsQueue::print(printer.printerName(), pages, printer.docName(), choicesOf(printer), progress);
    return;
  }
#endif
  outputThroughQt(printer, pages, progress);
}

void DialogPrintService::outputThroughQt(QPrinter& printer, PageSource& pages,
                                         const PageProgress& progress) {
  renderPages(printer, pages, progress, [&printer](QPagedPaintDevice&, const Page& page) {
    PrinterPaper::fit(printer, page);
  });
  if (printer.printerState() == QPrinter::Error)
    throw PrintError(u"Attenzione: la stampante ha segnalato un errore durante la stampa."_s +
                     u"\r\n\r\n"_s +
                     u"Si consiglia di controllare le impostazioni della stampante."_s);
}

}  // namespace velinda
