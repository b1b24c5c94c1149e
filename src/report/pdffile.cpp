#include "report/pdffile.h"

#include <QPdfWriter>

#include "core/replacementfile.h"
#include "report/pagepainter.h"
#include "report/printservice.h"

using namespace Qt::StringLiterals;

namespace PdfFile {

void write(const QString& path, const std::vector<Page>& pages, const QString& title,
           const PageProgress& progress) {
  try {
    ReplacementFile file(path);
    {
      QPdfWriter writer(&file.device());
      writer.setResolution(1200);
      writer.setTitle(title);
      renderPages(writer, pages, progress);
    }
    file.commit();
  } catch (const FileWriteError& error) {
    throw PrintError(
        (u"Attenzione: non è stato possibile scrivere il file di stampa "_s +
         QString::fromStdString(error.what()) + u'.')
            .toStdString());
  }
}

}  // namespace PdfFile
