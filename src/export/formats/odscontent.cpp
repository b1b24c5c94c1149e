#include "export/formats/odscontent.h"

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// Rows are made in pieces of about this size.
constexpr qsizetype kPiece = 256 * 1024;

// Screen pixels are 96 to the inch.
QByteArray inches(int pixels) { return QByteArray::number(pixels / 96.0, 'f', 3) + "in"; }

QByteArray columnStyle(int column) { return "co" + QByteArray::number(column + 1); }

// Characters XML 1.0 cannot carry at all.
bool carried(char16_t c) { return c >= 0x20 && c != 0xFFFE && c != 0xFFFF; }

// Writes into room made beforehand, with no check per byte: a row is
// made in one piece of memory sized for its worst case.
struct Cursor {
  char* at;
  template <size_t N>
  void put(const char (&literal)[N]) {
    std::memcpy(at, literal, N - 1);
    at += N - 1;
  }
  void put(char c) { *at++ = c; }
};

// The most bytes a character of a cell can take: a line break ends one
// paragraph and starts the next.
constexpr qsizetype kMostPerCharacter = sizeof("</text:p><text:p>") - 1;
constexpr qsizetype kMostPerCell = sizeof(
    "<table:table-cell table:style-name=\"ceIntestazione\" office:value-type=\"string\">"
    "<text:p></text:p></table:table-cell>");

// One character as UTF-8, escaped as XML text; a surrogate pair takes two
// units, and returns how many it took.
qsizetype putCharacter(QStringView text, qsizetype i, Cursor& out) {
  const char16_t c = text[i].unicode();
  if (c < 0x80) {
    switch (c) {
      case u'&':
        out.put("&amp;");
        break;
      case u'<':
        out.put("&lt;");
        break;
      case u'>':
        out.put("&gt;");
        break;
      case u'"':
        out.put("&quot;");
        break;
      default:
        out.put(char(c));
    }
    return 1;
  }
  char32_t u = c;
  qsizetype taken = 1;
  if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
      QChar::isLowSurrogate(text[i + 1].unicode())) {
    u = QChar::surrogateToUcs4(c, text[i + 1].unicode());
    taken = 2;
  } else if (QChar::isSurrogate(c)) {
    u = 0xFFFD;  // half a pair stands for nothing
  }
  if (u < 0x800) {
    out.put(char(0xC0 | (u >> 6)));
  } else if (u < 0x10000) {
    out.put(char(0xE0 | (u >> 12)));
    out.put(char(0x80 | ((u >> 6) & 0x3F)));
  } else {
    out.put(char(0xF0 | (u >> 18)));
    out.put(char(0x80 | ((u >> 12) & 0x3F)));
    out.put(char(0x80 | ((u >> 6) & 0x3F)));
  }
  out.put(char(0x80 | (u & 0x3F)));
  return taken;
}

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
        const QByteArray count = QByteArray::number(blanks);
        std::memcpy(out.at, count.constData(), size_t(count.size()));
        out.at += count.size();
        out.put("\"/>");
      }
      i += blanks;
    } else if (c == u'\t') {
      out.put("<text:tab/>");
      ++i;
    } else if (!carried(c)) {
      ++i;
    } else {
      i += putCharacter(text, i, out);
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
  // Room for the name escaped: six bytes a character at most.
  const qsizetype start = out.size();
  out.resize(start + 6 * sheet.name.size());
  Cursor name{out.data() + start};
  for (qsizetype i = 0; i < sheet.name.size();) i += putCharacter(sheet.name, i, name);
  out.truncate(name.at - out.constData());
  out += "\">";
  for (int c = 0; c < sheet.headers.size(); ++c) {
    out += "<table:table-column table:style-name=\"" + columnStyle(c) +
           "\" table:default-cell-style-name=\"ceTesto\"/>";
  }
}

}  // namespace

void OdsContent::restart() {
  held_.clear();
  at_ = 0;
  nextRow_ = -1;
}

qint64 OdsContent::read(char* data, qint64 size) {
  while (held_.size() - at_ < size && produceMore()) {
  }
  const qint64 taken = qMin(size, qint64(held_.size() - at_));
  std::memcpy(data, held_.constData() + at_, size_t(taken));
  at_ += taken;
  return taken;
}

bool OdsContent::produceMore() {
  if (nextRow_ > sheet_.rowCount) return false;
  held_.remove(0, at_);
  at_ = 0;
  const qsizetype until = held_.size() + kPiece;
  const qsizetype columns = sheet_.headers.size();
  if (nextRow_ < 0) {
    putStart(sheet_, held_);
    putRow(sheet_.headers, columns, true, held_);
    nextRow_ = 0;
  }
  while (nextRow_ < sheet_.rowCount && held_.size() < until) {
    putRow(sheet_.row(nextRow_), columns, false, held_);
    ++nextRow_;
    if (sheet_.progress) sheet_.progress(nextRow_);
  }
  if (nextRow_ == sheet_.rowCount) {
    held_ += "</table:table></office:spreadsheet></office:body></office:document-content>";
    ++nextRow_;
  }
  return true;
}

QByteArray OdsContent::whole(const SheetContent& sheet) {
  OdsContent content(sheet);
  QByteArray all;
  char block[64 * 1024];
  while (const qint64 got = content.read(block, sizeof block)) all.append(block, got);
  return all;
}
