#include "export/formats/odscontent.h"

#include "export/formats/xmltext.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// Screen pixels are 96 to the inch.
QByteArray inches(int pixels) { return QByteArray::number(pixels / 96.0, 'f', 3) + "in"; }

QByteArray columnStyle(int column) { return "co" + QByteArray::number(column + 1); }

using XmlText::Cursor;

// The most bytes a character of a cell can take: a line break ends one
// paragraph and starts the next.
constexpr qsizetype kMostPerCharacter = sizeof("</text:p><text:p>") - 1;
constexpr qsizetype kMostPerCell = sizeof(
    "<table:table-cell table:style-name=\"ceIntestazione\" office:value-type=\"string\">"
    "<text:p></text:p></table:table-cell>");

// A cell's text as ODF wants it: a paragraph per line, as office suites
// write a cell of several lines; runs of blanks and tabs are elements of
// their own (a reader would fold them otherwise); characters XML cannot
// carry are dropped.
void putParagraphs(QStringView text, Cursor& out) {
  out.put("<text:p>");
  for (qsizetype i = 0; i < text.size();) {
    const char16_t c = text[i].unicode();
    if (c == u'\n') {
      out.put("</text:p><text:p>");
      ++i;
    } else if (c == u' ' && (i == 0 || text[i - 1] == u' ' || text[i - 1] == u'\n')) {
      qsizetype blanks = 1;
      while (i + blanks < text.size() && text[i + blanks] == u' ') ++blanks;
      if (blanks == 1) {
        out.put("<text:s/>");
      } else {
        out.put("<text:s text:c=\"");
        out.put(QByteArray::number(blanks));
        out.put("\"/>");
      }
      i += blanks;
    } else if (c == u'\t') {
      out.put("<text:tab/>");
      ++i;
    } else if (!XmlText::carried(c)) {
      ++i;
    } else {
      i += XmlText::putCharacter(text, i, out);
    }
  }
  out.put("</text:p>");
}

// Every cell takes its column's text style; the header cells their own.
void putRow(const QStringList& cells, qsizetype columns, bool header, QByteArray& bytes) {
  qsizetype worst = 2 * kMostPerCell;
  for (qsizetype c = 0; c < columns; ++c)
    worst += kMostPerCell + kMostPerCharacter * cells.value(c).size();
  const qsizetype start = bytes.size();
  bytes.resize(start + worst);
  Cursor out{bytes.data() + start};
  out.put("<table:table-row>");
  for (qsizetype c = 0; c < columns; ++c) {
    const QStringView text = c < cells.size() ? QStringView(cells[c]) : QStringView();
    out.put("<table:table-cell");
    if (header) out.put(" table:style-name=\"ceIntestazione\"");
    if (text.isEmpty()) {
      out.put("/>");
      continue;
    }
    out.put(" office:value-type=\"string\">");
    putParagraphs(text, out);
    out.put("</table:table-cell>");
  }
  out.put("</table:table-row>");
  bytes.truncate(out.at - bytes.constData());
}

void putStart(const SheetContent& sheet, QByteArray& out) {
  out +=
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
      "<office:document-content"
      " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
      " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
      " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
      " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
      " xmlns:number=\"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0\""
      " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
      " office:version=\"1.2\"><office:automatic-styles>";
  for (int c = 0; c < sheet.headers.size(); ++c) {
    out += "<style:style style:name=\"" + columnStyle(c) +
           "\" style:family=\"table-column\"><style:table-column-properties"
           " style:column-width=\"" +
           inches(sheet.widths.value(c, 100)) + "\"/></style:style>";
  }
  // The number format "@": what the user types into a cell later stays
  // text too.
  out +=
      "<number:text-style style:name=\"Ntesto\"><number:text-content/></number:text-style>"
      "<style:style style:name=\"ceTesto\" style:family=\"table-cell\""
      " style:data-style-name=\"Ntesto\"/>"
      "<style:style style:name=\"ceIntestazione\" style:family=\"table-cell\""
      " style:data-style-name=\"Ntesto\"><style:text-properties fo:font-weight=\"bold\"/>"
      "</style:style></office:automatic-styles>"
      "<office:body><office:spreadsheet><table:table table:name=\"";
  XmlText::append(sheet.name, out);
  out += "\">";
  for (int c = 0; c < sheet.headers.size(); ++c) {
    out += "<table:table-column table:style-name=\"" + columnStyle(c) +
           "\" table:default-cell-style-name=\"ceTesto\"/>";
  }
}

}  // namespace

void OdsContent::putStart(QByteArray& out) const { velinda::putStart(sheet(), out); }

void OdsContent::putRow(const QStringList& cells, int number, QByteArray& out) const {
  velinda::putRow(cells, sheet().headers.size(), number == 0, out);
}

void OdsContent::putEnd(QByteArray& out) const {
  out += "</table:table></office:spreadsheet></office:body></office:document-content>";
}

QByteArray OdsContent::whole(const SheetContent& sheet) { return OdsContent(sheet).readAll(); }

}  // namespace velinda
