#include "export/formats/odssheetwriter.h"

#include <QFile>
#include <QXmlStreamWriter>
#include <zip.h>

namespace {

const QString kOffice = u"urn:oasis:names:tc:opendocument:xmlns:office:1.0"_qs;
const QString kStyle = u"urn:oasis:names:tc:opendocument:xmlns:style:1.0"_qs;
const QString kText = u"urn:oasis:names:tc:opendocument:xmlns:text:1.0"_qs;
const QString kTable = u"urn:oasis:names:tc:opendocument:xmlns:table:1.0"_qs;
const QString kNumber = u"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"_qs;
const QString kFo = u"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"_qs;
const QString kManifest = u"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"_qs;
const QByteArray kMimeType = "application/vnd.oasis.opendocument.spreadsheet";

// Screen pixels are 96 to the inch.
QString inches(int pixels) { return QString::number(pixels / 96.0, 'f', 3) + u"in"_qs; }

QString columnStyle(int column) { return u"co"_qs + QString::number(column + 1); }

// A cell's text as ODF wants it: a paragraph per line, as office suites
// write a cell of several lines; runs of blanks and tabs are elements of
// their own (a reader would fold them otherwise); characters XML cannot
// carry are dropped.
void writeParagraphs(QXmlStreamWriter& xml, const QString& text) {
  for (const QString& line : text.split(u'\n')) {
    xml.writeStartElement(kText, u"p"_qs);
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
        xml.writeEmptyElement(kText, u"s"_qs);
        if (blanks > 1) xml.writeAttribute(kText, u"c"_qs, QString::number(blanks));
        i += blanks - 1;
      } else if (c == u'\t') {
        flush();
        xml.writeEmptyElement(kText, u"tab"_qs);
      } else if (c.unicode() >= 0x20 && c.unicode() != 0xFFFE && c.unicode() != 0xFFFF) {
        run += c;
      }
    }
    flush();
    xml.writeEndElement();
  }
}

void writeStyles(QXmlStreamWriter& xml, const SheetContent& sheet) {
  xml.writeStartElement(kOffice, u"automatic-styles"_qs);
  for (int c = 0; c < sheet.headers.size(); ++c) {
    xml.writeStartElement(kStyle, u"style"_qs);
    xml.writeAttribute(kStyle, u"name"_qs, columnStyle(c));
    xml.writeAttribute(kStyle, u"family"_qs, u"table-column"_qs);
    xml.writeEmptyElement(kStyle, u"table-column-properties"_qs);
    xml.writeAttribute(kStyle, u"column-width"_qs, inches(sheet.widths.value(c, 100)));
    xml.writeEndElement();
  }
  // The number format "@": what the user types into a cell later stays
  // text too.
  xml.writeStartElement(kNumber, u"text-style"_qs);
  xml.writeAttribute(kStyle, u"name"_qs, u"Ntesto"_qs);
  xml.writeEmptyElement(kNumber, u"text-content"_qs);
  xml.writeEndElement();
  for (const auto& [name, bold] : {std::pair{u"ceTesto"_qs, false}, {u"ceIntestazione"_qs, true}}) {
    xml.writeStartElement(kStyle, u"style"_qs);
    xml.writeAttribute(kStyle, u"name"_qs, name);
    xml.writeAttribute(kStyle, u"family"_qs, u"table-cell"_qs);
    xml.writeAttribute(kStyle, u"data-style-name"_qs, u"Ntesto"_qs);
    if (bold) {
      xml.writeEmptyElement(kStyle, u"text-properties"_qs);
      xml.writeAttribute(kFo, u"font-weight"_qs, u"bold"_qs);
    }
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

void writeRow(QXmlStreamWriter& xml, const QStringList& cells, int columns, const QString& style) {
  xml.writeStartElement(kTable, u"table-row"_qs);
  for (int c = 0; c < columns; ++c) {
    const QString text = cells.value(c);
    if (text.isEmpty()) {
      xml.writeEmptyElement(kTable, u"table-cell"_qs);
      xml.writeAttribute(kTable, u"style-name"_qs, style);
      continue;
    }
    xml.writeStartElement(kTable, u"table-cell"_qs);
    xml.writeAttribute(kTable, u"style-name"_qs, style);
    xml.writeAttribute(kOffice, u"value-type"_qs, u"string"_qs);
    writeParagraphs(xml, text);
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

QByteArray manifest() {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  xml.writeNamespace(kManifest, u"manifest"_qs);
  xml.writeStartElement(kManifest, u"manifest"_qs);
  xml.writeAttribute(kManifest, u"version"_qs, u"1.2"_qs);
  const std::pair<QString, QString> entries[] = {
      {u"/"_qs, QString::fromLatin1(kMimeType)}, {u"content.xml"_qs, u"text/xml"_qs}};
  for (const auto& [path, type] : entries) {
    xml.writeEmptyElement(kManifest, u"file-entry"_qs);
    xml.writeAttribute(kManifest, u"full-path"_qs, path);
    if (path == u"/") xml.writeAttribute(kManifest, u"version"_qs, u"1.2"_qs);
    xml.writeAttribute(kManifest, u"media-type"_qs, type);
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
      {kOffice, u"office"_qs}, {kStyle, u"style"_qs}, {kText, u"text"_qs},
      {kTable, u"table"_qs},   {kNumber, u"number"_qs}, {kFo, u"fo"_qs}};
  for (const auto& [uri, prefix] : prefixes) xml.writeNamespace(uri, prefix);
  xml.writeStartElement(kOffice, u"document-content"_qs);
  xml.writeAttribute(kOffice, u"version"_qs, u"1.2"_qs);
  writeStyles(xml, sheet);
  xml.writeStartElement(kOffice, u"body"_qs);
  xml.writeStartElement(kOffice, u"spreadsheet"_qs);
  xml.writeStartElement(kTable, u"table"_qs);
  xml.writeAttribute(kTable, u"name"_qs, sheet.name);
  const int columns = int(sheet.headers.size());
  for (int c = 0; c < columns; ++c) {
    xml.writeEmptyElement(kTable, u"table-column"_qs);
    xml.writeAttribute(kTable, u"style-name"_qs, columnStyle(c));
    xml.writeAttribute(kTable, u"default-cell-style-name"_qs, u"ceTesto"_qs);
  }
  writeRow(xml, sheet.headers, columns, u"ceIntestazione"_qs);
  for (const QStringList& row : sheet.rows) writeRow(xml, row, columns, u"ceTesto"_qs);
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
