#pragma once

#include <QString>
#include <functional>
#include <stdexcept>
#include <vector>

#include "core/usererror.h"
#include "report/page.h"
#include "report/pagesource.h"

class QWidget;

namespace velinda {

// Printing failed: no usable printer, the driver refused, the spooler failed
// or refused the job. The text says so in Italian, for the screens that show
// a failure's own text.
class PrintError : public UserError {
 public:
  explicit PrintError(const QString& message) : UserError(message, message) {}
  // A failure whose technical cause (a system error, in English) goes to the
  // log only.
  PrintError(const QString& detail, const QString& message) : UserError(detail, message) {}
  QString message() const { return userMessage(); }
};

// The chosen printer has no paper of the page's size and takes no size of
// the caller's choosing: nothing was printed. The text names the printer and
// the size, for the user.
class PaperNotSupported : public PrintError {
 public:
  PaperNotSupported(const QString& printer, PaperSize paper);
};

enum class PrintOutcome { Printed, Cancelled };

// Told how far a print has got: with 0 before the first page is painted,
// then with the number of pages painted so far, out of `pageCount`.
using PageProgress = std::function<void(int pagesPainted, int pageCount)>;

// Prints prepared pages after asking the user where and how. Screens never
// talk to a printer themselves, so tests can take the printout instead.
class PrintService {
 public:
  virtual ~PrintService() = default;
  // Throws PrintError on failure; Cancelled when the user closed the dialog.
  // The pages are asked for as they print.
  virtual PrintOutcome print(QWidget* parent, PageSource& pages, const QString& documentName) = 0;
  PrintOutcome print(QWidget* parent, const std::vector<Page>& pages, const QString& documentName) {
    PageList list(pages);
    return print(parent, list, documentName);
  }

  // Whoever prints something long listens while print() runs; an empty
  // function stops the reports.
  void setProgress(PageProgress progress) { progress_ = std::move(progress); }

 protected:
  const PageProgress& progress() const { return progress_; }

 private:
  PageProgress progress_;
};

// The print service put in place with Installed<PrintService> (see
// platform/installed.h); the print dialog on the system's printers when
// nothing is installed.
namespace PrintServices {
PrintService& printer();
}  // namespace PrintServices

}  // namespace velinda
