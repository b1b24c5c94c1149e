#pragma once

#include "report/printservice.h"

class QPrinter;

// The system's print dialog, starting on the default printer, with copies
// and a page range; no preview. Printing to a PDF file from the dialog works
// on a machine without printers.
class DialogPrintService : public PrintService {
 public:
  PrintOutcome print(QWidget* parent, const std::vector<Page>& pages,
                     const QString& documentName) override;

  // Sends the pages where the accepted dialog points: the printer, or the
  // PDF file the user chose to print to. Throws PrintError when the printer
  // or the file fails.
  static void output(QPrinter& printer, const std::vector<Page>& pages,
                     const PageProgress& progress = {});
};
