#include "export/formats/zippackage.h"

#include <zip.h>

#include <QFile>
#include <ctime>

namespace velinda {

namespace {

// libzip reads a streamed entry from here while it writes the package; what goes
// wrong inside is kept, to be thrown once libzip has given up.
zip_int64_t readContent(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
  auto* source = static_cast<std::pair<StreamedXml*, std::exception_ptr>*>(state);
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

}  // namespace

ZipPackage::ZipPackage(const QString& path) {
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

ZipPackage::~ZipPackage() {
  if (zip_) zip_discard(zip_);
}

void ZipPackage::add(const char* name, const QByteArray& bytes, bool compress) {
  zip_source_t* source = zip_source_buffer(zip_, bytes.constData(), zip_uint64_t(bytes.size()), 0);
  if (!source) fail();
  addSource(name, source, compress);
}

void ZipPackage::addStream(const char* name, StreamedXml& stream) {
  if (streaming_.first) throw SheetFileError("one streamed entry per package");
  zip_source_t* source = zip_source_function(zip_, readContent, &streaming_);
  if (!source) fail();
  streaming_.first = &stream;
  addSource(name, source, true);
}

void ZipPackage::close() {
  const int closed = zip_close(zip_);
  if (streaming_.second) std::rethrow_exception(streaming_.second);
  if (closed != 0) fail();
  zip_ = nullptr;
}

void ZipPackage::addSource(const char* name, zip_source_t* source, bool compress) {
  const zip_int64_t index = zip_file_add(zip_, name, source, ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    fail();
  }
  // The fastest deflate: a sheet's XML repeats itself so much that the
  // slower ones gain little, and would take several times as long.
  if (zip_set_file_compression(zip_, zip_uint64_t(index), compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE,
                               compress ? 1 : 0) != 0)
    fail();
}

void ZipPackage::fail() { throw SheetFileError(zip_strerror(zip_)); }

}  // namespace velinda
