#include "export/formats/csvsheetwriter.h"

#include <QIODevice>

#include "core/csvtext.h"

namespace velinda {

namespace {

QByteArray line(const QStringList& cells) {
  QString text;
  for (qsizetype c = 0; c < cells.size(); ++c) {
    if (c > 0) text += CsvSheetWriter::kSeparator;
    text += CsvText::field(cells[c], CsvSheetWriter::kSeparator);
  }
  return text.toUtf8() + "\r\n";
}

}  // namespace

void CsvSheetWriter::write(const SheetContent& sheet, QIODevice& out) const {
  auto put = [&out](const QByteArray& bytes) {
    if (out.write(bytes) != bytes.size()) throw SheetFileError(out.errorString().toStdString());
  };
  put("\xEF\xBB\xBF");
  put(line(sheet.headers));
  for (int r = 0; r < sheet.rowCount; ++r) {
    put(line(sheet.row(r)));
    if (sheet.progress) sheet.progress(r + 1);
  }
}

}  // namespace velinda
