#include "export/formats/odssheetwriter.h"

#include <zip.h>

#include <QFile>
#include <QXmlStreamWriter>
#include <ctime>
#include <exception>
#include <utility>

#include "export/formats/odscontent.h"
#include "export/formats/scratchfile.h"

using namespace Qt::StringLiterals;

namespace {

const QString kManifest = u"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"_s;
const QByteArray kMimeType = "application/vnd.oasis.opendocument.spreadsheet";

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

// libzip reads content.xml from here while it writes the package; what goes
// wrong inside is kept, to be thrown once libzip has given up.
zip_int64_t readContent(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
  auto* source = static_cast<std::pair<OdsContent*, std::exception_ptr>*>(state);
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
  void addStream(const char* name, OdsContent& stream) {
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
    // The fastest deflate: the sheet's XML repeats itself so much that the
    // slower ones gain little, and would take several times as long.
    if (zip_set_file_compression(zip_, zip_uint64_t(index),
                                 compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE, compress ? 1 : 0) != 0)
      fail();
  }

  [[noreturn]] void fail() { throw SheetFileError(zip_strerror(zip_)); }

  zip_t* zip_ = nullptr;
  std::pair<OdsContent*, std::exception_ptr> streaming_{nullptr, nullptr};
};

}  // namespace

QByteArray OdsSheetWriter::content(const SheetContent& sheet) { return OdsContent::whole(sheet); }

void OdsSheetWriter::write(const SheetContent& sheet, QIODevice& out) const {
  const QByteArray manifestXml = manifest();
  OdsContent content(sheet);
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
