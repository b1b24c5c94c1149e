#include "export/formats/odssheetwriter.h"

#include <QFile>
#include <QXmlStreamWriter>
#include <zip.h>

using namespace Qt::StringLiterals;

namespace {

const QString kOffice = u"urn:oasis:names:tc:opendocument:xmlns:office:1.0"_s;
const QString kStyle = u"urn:oasis:names:tc:opendocument:xmlns:style:1.0"_s;
const QString kText = u"urn:oasis:names:tc:opendocument:xmlns:text:1.0"_s;
const QString kTable = u"urn:oasis:names:tc:opendocument:xmlns:table:1.0"_s;
const QString kNumber = u"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"_s;
const QString kFo = u"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"_s;
const QString kManifest = u"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"_s;
const QByteArray kMimeType = "application/vnd.oasis.opendocument.spreadsheet";

// Screen pixels are 96 to the inch.
QString inches(int pixels) { return QString::number(pixels / 96.0, 'f', 3) + u"in"_s; }

QString columnStyle(int column) { return u"co"_s + QString::number(column + 1); }

// A cell's text as ODF wants it: a paragraph per line, as office suites
// write a cell of several lines; runs of blanks and tabs are elements of
// their own (a reader would fold them otherwise); characters XML cannot
// carry are dropped.
void writeParagraphs(QXmlStreamWriter& xml, const QString& text) {
  for (const QString& line : text.split(u'\n')) {
    xml.writeStartElement(kText, u"p"_s);
    QString run;
    auto flush = [&] {
      if (!run.isEmpty()) xml.writeCharacters(run);
      run.clear();
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
      const QChar c = line.at(i);
      if (c == u' ' && (i == 0 || line.at(i - 1) == u' ')) {
        qsizetype blanks = 1;
        while (i + blanks < line.size() && line.at(i + blanks) == u' ') ++blanks;
        flush();
        xml.writeEmptyElement(kText, u"s"_s);
        if (blanks > 1) xml.writeAttribute(kText, u"c"_s, QString::number(blanks));
        i += blanks - 1;
      } else if (c == u'\t') {
        flush();
        xml.writeEmptyElement(kText, u"tab"_s);
      } else if (c.unicode() >= 0x20 && c.unicode() != 0xFFFE && c.unicode() != 0xFFFF) {
        run += c;
      }
    }
    flush();
    xml.writeEndElement();
  }
}

void writeStyles(QXmlStreamWriter& xml, const SheetContent& sheet) {
  xml.writeStartElement(kOffice, u"automatic-styles"_s);
  for (int c = 0; c < sheet.headers.size(); ++c) {
    xml.writeStartElement(kStyle, u"style"_s);
    xml.writeAttribute(kStyle, u"name"_s, columnStyle(c));
    xml.writeAttribute(kStyle, u"family"_s, u"table-column"_s);
    xml.writeEmptyElement(kStyle, u"table-column-properties"_s);
    xml.writeAttribute(kStyle, u"column-width"_s, inches(sheet.widths.value(c, 100)));
    xml.writeEndElement();
  }
  // The number format "@": what the user types into a cell later stays
  // text too.
  xml.writeStartElement(kNumber, u"text-style"_s);
  xml.writeAttribute(kStyle, u"name"_s, u"Ntesto"_s);
  xml.writeEmptyElement(kNumber, u"text-content"_s);
  xml.writeEndElement();
  for (const auto& [name, bold] : {std::pair{u"ceTesto"_s, false}, {u"ceIntestazione"_s, true}}) {
    xml.writeStartElement(kStyle, u"style"_s);
    xml.writeAttribute(kStyle, u"name"_s, name);
    xml.writeAttribute(kStyle, u"family"_s, u"table-cell"_s);
    xml.writeAttribute(kStyle, u"data-style-name"_s, u"Ntesto"_s);
    if (bold) {
      xml.writeEmptyElement(kStyle, u"text-properties"_s);
      xml.writeAttribute(kFo, u"font-weight"_s, u"bold"_s);
    }
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

void writeRow(QXmlStreamWriter& xml, const QStringList& cells, int columns, const QString& style) {
  xml.writeStartElement(kTable, u"table-row"_s);
  for (int c = 0; c < columns; ++c) {
    const QString text = cells.value(c);
    if (text.isEmpty()) {
      xml.writeEmptyElement(kTable, u"table-cell"_s);
      xml.writeAttribute(kTable, u"style-name"_s, style);
      continue;
    }
    xml.writeStartElement(kTable, u"table-cell"_s);
    xml.writeAttribute(kTable, u"style-name"_s, style);
    xml.writeAttribute(kOffice, u"value-type"_s, u"string"_s);
    writeParagraphs(xml, text);
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

QByteArray manifest() {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  xml.writeNamespace(kManifest, u"manifest"_s);
  xml.writeStartElement(kManifest, u"manifest"_s);
  xml.writeAttribute(kManifest, u"version"_s, u"1.2"_s);
  const std::pair<QString, QString> entries[] = {
      {u"/"_s, QString::fromLatin1(kMimeType)}, {u"content.xml"_s, u"text/xml"_s}};
  for (const auto& [path, type] : entries) {
    xml.writeEmptyElement(kManifest, u"file-entry"_s);
    xml.writeAttribute(kManifest, u"full-path"_s, path);
    if (path == u"/") xml.writeAttribute(kManifest, u"version"_s, u"1.2"_s);
    xml.writeAttribute(kManifest, u"media-type"_s, type);
  }
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

// A zip archive being written; what is added must outlive close().
class ZipPackage {
 public:
  explicit ZipPackage(const QString& path) {
    int error = 0;
    zip_ = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip_) {
      zip_error_t detail;
      zip_error_init_with_code(&detail, error);
      const std::string text = zip_error_strerror(&detail);
      zip_error_fini(&detail);
      throw SheetFileError(text);
    }
  }
  ~ZipPackage() {
    if (zip_) zip_discard(zip_);
  }
  ZipPackage(const ZipPackage&) = delete;
  ZipPackage& operator=(const ZipPackage&) = delete;

  void add(const char* name, const QByteArray& bytes, bool compress) {
    zip_source_t* source =
        zip_source_buffer(zip_, bytes.constData(), zip_uint64_t(bytes.size()), 0);
    if (!source) fail();
    const zip_int64_t index = zip_file_add(zip_, name, source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(source);
      fail();
    }
    if (!compress && zip_set_file_compression(zip_, zip_uint64_t(index), ZIP_CM_STORE, 0) != 0)
      fail();
  }

  void close() {
    if (zip_close(zip_) != 0) fail();
    zip_ = nullptr;
  }

 private:
  [[noreturn]] void fail() { throw SheetFileError(zip_strerror(zip_)); }

  zip_t* zip_ = nullptr;
};

}  // namespace

QByteArray OdsSheetWriter::content(const SheetContent& sheet) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  const std::pair<QString, QString> prefixes[] = {
      {kOffice, u"office"_s}, {kStyle, u"style"_s}, {kText, u"text"_s},
      {kTable, u"table"_s},   {kNumber, u"number"_s}, {kFo, u"fo"_s}};
  for (const auto& [uri, prefix] : prefixes) xml.writeNamespace(uri, prefix);
  xml.writeStartElement(kOffice, u"document-content"_s);
  xml.writeAttribute(kOffice, u"version"_s, u"1.2"_s);
  writeStyles(xml, sheet);
  xml.writeStartElement(kOffice, u"body"_s);
  xml.writeStartElement(kOffice, u"spreadsheet"_s);
  xml.writeStartElement(kTable, u"table"_s);
  xml.writeAttribute(kTable, u"name"_s, sheet.name);
  const int columns = int(sheet.headers.size());
  for (int c = 0; c < columns; ++c) {
    xml.writeEmptyElement(kTable, u"table-column"_s);
    xml.writeAttribute(kTable, u"style-name"_s, columnStyle(c));
    xml.writeAttribute(kTable, u"default-cell-style-name"_s, u"ceTesto"_s);
  }
  writeRow(xml, sheet.headers, columns, u"ceIntestazione"_s);
  for (const QStringList& row : sheet.rows) writeRow(xml, row, columns, u"ceTesto"_s);
  xml.writeEndElement();  // table
  xml.writeEndElement();  // spreadsheet
  xml.writeEndElement();  // body
  xml.writeEndElement();  // document-content
  xml.writeEndDocument();
  return bytes;
}

void OdsSheetWriter::write(const SheetContent& sheet, const QString& path) const {
  const QByteArray body = content(sheet);
  const QByteArray manifestXml = manifest();
  ZipPackage package(path);
  // The mimetype comes first and uncompressed, so that a reader can tell
  // the format from the file's first bytes.
  package.add("mimetype", kMimeType, false);
  package.add("META-INF/manifest.xml", manifestXml, true);
  package.add("content.xml", body, true);
  package.close();
}
