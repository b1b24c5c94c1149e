#pragma once

#include "report/printservice.h"

class QPrinter;

namespace velinda {

// The system's print dialog, starting on the default printer, with copies
// and a page range; no preview. Printing to a PDF file from the dialog works
// on a machine without printers.
class DialogPrintService : public PrintService {
 public:
  using PrintService::print;
  PrintOutcome print(QWidget* parent, PageSource& pages, const QString& documentName) override;

  // Sends the pages where the accepted dialog points: the PDF file the user
  // chose to print to, a CUPS queue where libcups is there, or else Qt's own
  // printer. Throws PrintError when the file, the printer or the spooler
  // fails, PaperNotSupported when the printer has no paper of the pages'
  // size.
  static void output(QPrinter& printer, PageSource& pages, const PageProgress& progress = {});
  static void output(QPrinter& printer, const std::vector<Page>& pages,
                     const PageProgress& progress = {}) {
    PageList list(pages);
    output(printer, list, progress);
  }
  // The same through Qt's own printer, whatever the system.
  static void outputThroughQt(QPrinter& printer, PageSource& pages,
                              const PageProgress& progress = {});
};

}  // namespace velinda
