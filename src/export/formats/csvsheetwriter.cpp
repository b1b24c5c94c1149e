#include "export/formats/csvsheetwriter.h"

#include <QFile>

#include "export/formats/csvtext.h"

namespace {

QByteArray line(const QStringList& cells, bool keepAsText) {
  QStringList fields;
  for (const QString& cell : cells) {
    const QString text =
        keepAsText && CsvText::readAsNumber(cell) ? CsvText::textFormula(cell) : cell;
    fields.append(CsvText::field(text, CsvSheetWriter::kSeparator));
  }
  return fields.join(CsvSheetWriter::kSeparator).toUtf8() + "\r\n";
}

}  // namespace

void CsvSheetWriter::write(const SheetContent& sheet, const QString& path) const {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    throw SheetFileError(file.errorString().toStdString());
  auto put = [&file](const QByteArray& bytes) {
    if (file.write(bytes) != bytes.size()) throw SheetFileError(file.errorString().toStdString());
  };
  put("\xEF\xBB\xBF");
  put(line(sheet.headers, false));
  for (const QStringList& row : sheet.rows) put(line(row, true));
  if (!file.flush()) throw SheetFileError(file.errorString().toStdString());
  file.close();
  if (file.error() != QFileDevice::NoError) throw SheetFileError(file.errorString().toStdString());
}
