#include "support/pdfprintservice.h"

#include "report/pdffile.h"

PrintOutcome PdfPrintService::print(QWidget*, const std::vector<Page>& pages,
                                    const QString& documentName) {
  jobs.push_back(pages);
  documentNames << documentName;
  switch (answer) {
    case Answer::Cancel:
      return PrintOutcome::Cancelled;
    case Answer::Fail:
      throw PrintError("the printer is out of order (scripted)");
    case Answer::Print:
      break;
  }
  if (!pdfPath_.isEmpty()) PdfFile::write(pdfPath_, pages, documentName, progress());
  return PrintOutcome::Printed;
}
