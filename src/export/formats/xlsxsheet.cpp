#include "export/formats/xlsxsheet.h"

#include "export/formats/xmltext.h"

namespace velinda {

namespace {

QByteArray columnName(int column) {
  QByteArray name;
  for (int n = column + 1; n > 0; n = (n - 1) / 26) name.prepend(char('A' + (n - 1) % 26));
  return name;
}

// Excel measures a column in widths of the digit 0, about 7 screen pixels.
QByteArray characters(int pixels) { return QByteArray::number(pixels / 7.0, 'f', 2); }

constexpr qsizetype kMostPerCell = sizeof(
    "<c r=\"XFD1048576\" s=\"2\" t=\"inlineStr\"><is><t xml:space=\"preserve\"></t></is></c>");
constexpr qsizetype kMostPerRow = sizeof("<row r=\"2147483647\"></row>");

}  // namespace

XlsxSheet::XlsxSheet(const SheetContent& sheet) : StreamedXml(sheet) {
  for (int c = 0; c < sheet.headers.size(); ++c) columnNames_ << columnName(c);
}

void XlsxSheet::putStart(QByteArray& out) const {
  out +=
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\""
      " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">";
  if (!columnNames_.isEmpty()) {
    out += "<cols>";
    for (int c = 0; c < columnNames_.size(); ++c) {
      const QByteArray n = QByteArray::number(c + 1);
      // The column's own style: what the user types into it later stays
      // text too.
      out += "<col min=\"" + n + "\" max=\"" + n + "\" width=\"" +
             characters(sheet().widths.value(c, 100)) + "\" style=\"" +
             QByteArray::number(kTextStyle) + "\" customWidth=\"1\"/>";
    }
    out += "</cols>";
  }
  out += "<sheetData>";
}

void XlsxSheet::putRow(const QStringList& cells, int number, QByteArray& out) const {
  qsizetype worst = kMostPerRow;
  for (qsizetype c = 0; c < columnNames_.size(); ++c)
    worst += kMostPerCell + XmlText::kMostPerCharacter * cells.value(c).size();
  const QByteArray row = QByteArray::number(number + 1);
  const QByteArray style = QByteArray::number(number == 0 ? kHeaderStyle : kTextStyle);
  const qsizetype start = out.size();
  out.resize(start + worst);
  XmlText::Cursor put{out.data() + start};
  put.put("<row r=\"");
  put.put(row);
  put.put("\">");
  for (qsizetype c = 0; c < columnNames_.size() && c < cells.size(); ++c) {
    if (cells[c].isEmpty()) continue;
    put.put("<c r=\"");
    put.put(columnNames_[c]);
    put.put(row);
    put.put("\" s=\"");
    put.put(style);
    put.put("\" t=\"inlineStr\"><is><t xml:space=\"preserve\">");
    XmlText::putText(cells[c], put);
    put.put("</t></is></c>");
  }
  put.put("</row>");
  out.truncate(put.at - out.constData());
}

void XlsxSheet::putEnd(QByteArray& out) const { out += "</sheetData></worksheet>"; }

}  // namespace velinda
