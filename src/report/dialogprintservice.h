#pragma once

#include "report/printservice.h"

// The system's print dialog, starting on the default printer, with copies
// and a page range; no preview. Printing to a PDF file from the dialog works
// on a machine without printers.
class DialogPrintService : public PrintService {
 public:
  PrintOutcome print(QWidget* parent, const std::vector<Page>& pages,
                     const QString& documentName) override;
};
