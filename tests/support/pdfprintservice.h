#pragma once

#include <QString>
#include <QStringList>
#include <utility>

#include "platform/installed.h"
#include "report/printservice.h"

namespace velinda {

// Stands in for the print dialog in tests: records every print request,
// answers as scripted and, when printing, writes the pages to a PDF file
// (when a path is given) as the dialog's "print to file" does, failing the
// same way. Installs itself for its lifetime.
class PdfPrintService : public PrintService {
 public:
  enum class Answer { Print, Cancel, Fail };

  explicit PdfPrintService(QString pdfPath = {}) : pdfPath_(std::move(pdfPath)) {}

  using PrintService::print;
  PrintOutcome print(QWidget* parent, PageSource& pages, const QString& documentName) override;

  Answer answer = Answer::Print;
  std::vector<std::vector<Page>> jobs;  // every request, answered or not
  QStringList documentNames;

 private:
  QString pdfPath_;
  Installed<PrintService> installed_{*this};
};

}  // namespace velinda
