#include "export/formats/odssheetwriter.h"

#include <zip.h>
#include <QFile>
#include <QXmlStreamWriter>
#include <cstring>
#include <ctime>
#include <exception>
#include <optional>
#include <utility>

#include "export/formats/scratchfile.h"

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

// The document up to the first row of the table.
void writeStart(QXmlStreamWriter& xml, const SheetContent& sheet) {
  xml.writeStartDocument();
  const std::pair<QString, QString> prefixes[] = {{kOffice, u"office"_s}, {kStyle, u"style"_s},
                                                  {kText, u"text"_s},     {kTable, u"table"_s},
                                                  {kNumber, u"number"_s}, {kFo, u"fo"_s}};
  for (const auto& [uri, prefix] : prefixes) xml.writeNamespace(uri, prefix);
  xml.writeStartElement(kOffice, u"document-content"_s);
  xml.writeAttribute(kOffice, u"version"_s, u"1.2"_s);
  writeStyles(xml, sheet);
  xml.writeStartElement(kOffice, u"body"_s);
  xml.writeStartElement(kOffice, u"spreadsheet"_s);
  xml.writeStartElement(kTable, u"table"_s);
  xml.writeAttribute(kTable, u"name"_s, sheet.name);
  for (int c = 0; c < sheet.headers.size(); ++c) {
    xml.writeEmptyElement(kTable, u"table-column"_s);
    xml.writeAttribute(kTable, u"style-name"_s, columnStyle(c));
    xml.writeAttribute(kTable, u"default-cell-style-name"_s, u"ceTesto"_s);
  }
}

void writeEnd(QXmlStreamWriter& xml) {
  xml.writeEndElement();  // table
  xml.writeEndElement();  // spreadsheet
  xml.writeEndElement();  // body
  xml.writeEndElement();  // document-content
  xml.writeEndDocument();
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

// Whatever the XML writer writes, held until it is taken.
class Pending : public QIODevice {
 public:
  Pending() { open(QIODevice::WriteOnly); }
  QByteArray take() { return std::exchange(bytes_, {}); }
  qsizetype size() const { return bytes_.size(); }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    bytes_.append(data, size);
    return size;
  }

 private:
  QByteArray bytes_;
};

// The document's content.xml, made a few rows at a time as it is read.
class ContentStream {
 public:
  explicit ContentStream(const SheetContent& sheet) : sheet_(sheet) { restart(); }

  void restart() {
    pending_.take();
    held_.clear();
    at_ = 0;
    nextRow_ = -1;
    xml_.emplace(&pending_);
  }

  // Up to `size` bytes of the document, 0 once it is all read.
  qint64 read(char* data, qint64 size) {
    while (held_.size() - at_ < size && produceMore()) {
    }
    const qint64 taken = qMin(size, qint64(held_.size() - at_));
    std::memcpy(data, held_.constData() + at_, size_t(taken));
    at_ += taken;
    return taken;
  }

 private:
  static constexpr qsizetype kPiece = 64 * 1024;

  // Writes the next part of the document; false when there is none.
  bool produceMore() {
    if (nextRow_ > sheet_.rowCount) return false;
    held_.remove(0, at_);
    at_ = 0;
    const int columns = int(sheet_.headers.size());
    if (nextRow_ < 0) {
      writeStart(*xml_, sheet_);
      writeRow(*xml_, sheet_.headers, columns, u"ceIntestazione"_s);
      nextRow_ = 0;
    }
    while (nextRow_ < sheet_.rowCount && pending_.size() < kPiece) {
      writeRow(*xml_, sheet_.row(nextRow_), columns, u"ceTesto"_s);
      ++nextRow_;
      if (sheet_.progress) sheet_.progress(nextRow_);
    }
    if (nextRow_ == sheet_.rowCount) {
      writeEnd(*xml_);
      ++nextRow_;
    }
    held_ += pending_.take();
    return true;
  }

  const SheetContent& sheet_;
  Pending pending_;
  std::optional<QXmlStreamWriter> xml_;
  QByteArray held_;
  qsizetype at_ = 0;
  int nextRow_ = -1;  // -1 before the header row, rowCount + 1 after the end
};

// libzip reads content.xml from here while it writes the package; what goes
// wrong inside is kept, to be thrown once libzip has given up.
zip_int64_t readContent(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
  auto* source = static_cast<std::pair<ContentStream*, std::exception_ptr>*>(state);
  switch (command) {
    case ZIP_SOURCE_OPEN:
      source->first->restart();
      return 0;
    case ZIP_SOURCE_READ:
      try {
        return source->first->read(static_cast<char*>(data), qint64(length));
      } catch (...) {
        source->second = std::current_exception();
        return -1;
      }
    case ZIP_SOURCE_STAT: {
      auto* stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, nullptr);
      if (!stat) return -1;
      zip_stat_init(stat);
      stat->mtime = std::time(nullptr);
      stat->valid |= ZIP_STAT_MTIME;
      return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR: {
      zip_error_t error;
      zip_error_init_with_code(&error, ZIP_ER_INTERNAL);
      const zip_int64_t size = zip_error_to_data(&error, data, length);
      zip_error_fini(&error);
      return size;
    }
    case ZIP_SOURCE_CLOSE:
    case ZIP_SOURCE_FREE:
      return 0;
    case ZIP_SOURCE_SUPPORTS:
      return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                            ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default:
      return -1;
  }
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
    addSource(name, source, compress);
  }

  // The entry's bytes are read from `stream` while close() writes the
  // package.
  void addStream(const char* name, ContentStream& stream) {
    zip_source_t* source = zip_source_function(zip_, readContent, &streaming_);
    if (!source) fail();
    streaming_.first = &stream;
    addSource(name, source, true);
  }

  void close() {
    const int closed = zip_close(zip_);
    if (streaming_.second) std::rethrow_exception(streaming_.second);
    if (closed != 0) fail();
    zip_ = nullptr;
  }

 private:
  void addSource(const char* name, zip_source_t* source, bool compress) {
    const zip_int64_t index = zip_file_add(zip_, name, source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(source);
      fail();
    }
    if (!compress && zip_set_file_compression(zip_, zip_uint64_t(index), ZIP_CM_STORE, 0) != 0)
      fail();
  }

  [[noreturn]] void fail() { throw SheetFileError(zip_strerror(zip_)); }

  zip_t* zip_ = nullptr;
  std::pair<ContentStream*, std::exception_ptr> streaming_{nullptr, nullptr};
};

}  // namespace

QByteArray OdsSheetWriter::content(const SheetContent& sheet) {
  ContentStream stream(sheet);
  QByteArray all;
  char block[4096];
  while (const qint64 got = stream.read(block, sizeof block)) all.append(block, got);
  return all;
}

void OdsSheetWriter::write(const SheetContent& sheet, QIODevice& out) const {
  const QByteArray manifestXml = manifest();
  ContentStream content(sheet);
  const ScratchFile scratch(u"sheet.ods"_s);
  {
    ZipPackage package(scratch.path());
    // The mimetype comes first and uncompressed, so that a reader can tell
    // the format from the file's first bytes.
    package.add("mimetype", kMimeType, false);
    package.add("META-INF/manifest.xml", manifestXml, true);
    package.addStream("content.xml", content);
    package.close();
  }
  scratch.copyTo(out);
}
