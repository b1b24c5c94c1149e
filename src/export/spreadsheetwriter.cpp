#include "export/spreadsheetwriter.h"

#include <QIODevice>
#include <QScopedValueRollback>
#include <algorithm>

#include "core/text.h"
#include "core/windows1252.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {
constexpr qsizetype kBlock = 64 * 1024;

// Texts from the archive or the grid as HTML text. Written as they stand,
// "&", "<" and ">" would be read as markup: "Rossi & Figli <sede>" would
// lose "<sede>", and a note holding "</td></tr>" would end its row.
QString escaped(QString text) {
  const auto isMarkup = [](QChar c) { return c == u'&' || c == u'<' || c == u'>'; };
  if (std::none_of(text.cbegin(), text.cend(), isMarkup)) return text;
  return text.replace(u'&', u"&amp;"_s).replace(u'<', u"&lt;"_s).replace(u'>', u"&gt;"_s);
}

}  // namespace

SpreadsheetWriter::SpreadsheetWriter(QIODevice& device)
    : device_(device), block_(kBlock, Qt::Uninitialized) {}

SpreadsheetWriter::~SpreadsheetWriter() {
  if (used_ > 0) device_.write(block_.constData(), used_);
}

void SpreadsheetWriter::handOver() {
  const qint64 written = device_.write(block_.constData(), used_);
  const bool whole = written == used_;
  used_ = 0;
  if (!whole) throw SpreadsheetWriteError(device_.errorString().toStdString());
}

void SpreadsheetWriter::put(QStringView piece) {
  // Windows-1252 takes a byte per UTF-16 unit at most.
  if (used_ + piece.size() > block_.size()) {
    handOver();
    if (piece.size() > block_.size()) block_.resize(piece.size());
  }
  used_ = Windows1252::encodeTo(piece, block_.data() + used_) - block_.constData();
  if (!inRow_) handOver();
}

void SpreadsheetWriter::writeStart(const QString& worksheetName,
                                   const QList<ExportColumn>& columns) {
  put(uR"(<html xmlns:o="urn:schemas-microsoft-com:office:office")"
      uR"( xmlns:x="urn:schemas-microsoft-com:office:excel")"
      uR"( xmlns="http://www.w3.org/TR/REC-html40">)"_s);
  put(u"<head>"_s);
  put(uR"(<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">)"_s);
  put(u"<!--[if gte mso 9]><xml>"_s);
  for (const char16_t* piece :
       {u"<x:ExcelWorkbook>", u"<x:ExcelWorksheets>", u"<x:ExcelWorksheet>", u"<x:Name>"})
    put(QString::fromUtf16(piece));
  put(escaped(worksheetName));
  // clang-format off
  for (const char16_t* piece :
       {u"</x:Name>", u"<x:WorksheetOptions>", u"<x:Selected/>", u"<x:Panes>", u"<x:Pane>",
        u"<x:Number>1</x:Number>", u"<x:ActiveRow>3</x:ActiveRow>", u"</x:Pane>",
        u"</x:Panes>", u"<x:ProtectContents>False</x:ProtectContents>",
        u"<x:ProtectObjects>False</x:ProtectObjects>",
        u"<x:ProtectScenarios>False</x:ProtectScenarios>", u"</x:WorksheetOptions>",
        u"</x:ExcelWorksheet>", u"</x:ExcelWorksheets>", u"</x:ExcelWorkbook>",
        u"</xml><![endif]-->", u"</head>", u"<body>", u"<table x:str>", u"<tr>"})
    // clang-format on
    put(QString::fromUtf16(piece));
  for (const ExportColumn& column : columns) {
    put(uR"(<td style="text-align: left; font-weight: bold;" width=)"_s);
    put(QString::number(column.exportWidth));
    put(u">"_s);
    put(escaped(column.exportHeader));
    put(u"</td>"_s);
  }
  put(u"</tr>"_s);
}

void SpreadsheetWriter::writeRow(const QStringList& cells) {
  const QScopedValueRollback gathering(inRow_, true);
  put(u"<tr>"_s);
  for (const QString& cell : cells) {
    // Text format for LibreOffice Calc ("@"), as "x:str" does for Excel:
    // a postcode "00184" or a VAT number "01234567890" keeps its zeros.
    put(uR"(<td style="text-align: left;" sdnum="1040;0;@">)"_s);
    put(escaped(Text::trimmed(cell)));
    put(u"</td>"_s);
  }
  put(u"</tr>"_s);
}

void SpreadsheetWriter::writeEnd() {
  put(u"</table>"_s);
  put(u"</body>"_s);
  put(u"</html>"_s);
}

}  // namespace velinda
