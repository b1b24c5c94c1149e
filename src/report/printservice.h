#pragma once

#include <QString>
#include <stdexcept>
#include <vector>

#include "report/page.h"

class QWidget;

// Printing failed: no usable printer, the driver refused, the spooler failed.
class PrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class PrintOutcome { Printed, Cancelled };

// Prints prepared pages after asking the user where and how. Screens never
// talk to a printer themselves, so tests can take the printout instead.
class PrintService {
 public:
  virtual ~PrintService() = default;
  // Throws PrintError on failure; Cancelled when the user closed the dialog.
  virtual PrintOutcome print(QWidget* parent, const std::vector<Page>& pages,
                             const QString& documentName) = 0;
};

// The installed print service; the print dialog on the system's printers
// when nothing is installed.
namespace PrintServices {
PrintService& printer();
void setPrinter(PrintService* service);
}  // namespace PrintServices
