#include "support/pdfprintservice.h"

#include "report/pdffile.h"

namespace velinda {

using namespace Qt::StringLiterals;

PrintOutcome PdfPrintService::print(QWidget*, PageSource& source, const QString& documentName) {
  std::vector<Page> pages;
  for (int i = 0; i < source.count(); ++i) pages.push_back(source.page(i));
  jobs.push_back(pages);
  documentNames << documentName;
  switch (answer) {
    case Answer::Cancel:
      return PrintOutcome::Cancelled;
    case Answer::Fail:
      throw PrintError(u"the printer is out of order (scripted)"_s);
    case Answer::Print:
      break;
  }
  if (!pdfPath_.isEmpty()) PdfFile::write(pdfPath_, pages, documentName, progress());
  return PrintOutcome::Printed;
}

}  // namespace velinda
