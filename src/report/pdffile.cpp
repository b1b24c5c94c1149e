#include "report/pdffile.h"

#include <QPdfWriter>

#include "core/replacementfile.h"
#include "report/pagepainter.h"
#include "report/printservice.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace PdfFile {

void writeTo(QIODevice& device, PageSource& pages, const QString& title,
             const PageProgress& progress) {
  QPdfWriter writer(&device);
  writer.setResolution(1200);
  writer.setTitle(title);
  writer.setCreator(u"Velinda"_s);
  renderPages(writer, pages, progress);
}

void write(const QString& path, const std::vector<Page>& pages, const QString& title,
           const PageProgress& progress) {
  PageList list(pages);
  write(path, list, title, progress);
}

void write(const QString& path, PageSource& pages, const QString& title,
           const PageProgress& progress) {
  try {
    ReplacementFile file(path);
    writeTo(file.device(), pages, title, progress);
    file.commit();
  } catch (const FileWriteError& error) {
    throw PrintError(QString::fromStdString(error.what()),
                     u"Attenzione: non è stato possibile scrivere il file di stampa "_s + path +
                         u".\r\n\r\nControllare che la cartella esista, che vi si possa "
                         "scrivere e che il disco non sia pieno."_s);
  }
}

}  // namespace PdfFile

}  // namespace velinda
