#pragma once

#include <QByteArray>
#include <QString>
#include <exception>
#include <utility>

#include "export/formats/streamedxml.h"

struct zip;
struct zip_source;

namespace velinda {

// A zip archive being written, in a file of its own; what is added must
// outlive close(). Throws SheetFileError.
class ZipPackage {
 public:
  explicit ZipPackage(const QString& path);
  ~ZipPackage();
  ZipPackage(const ZipPackage&) = delete;
  ZipPackage& operator=(const ZipPackage&) = delete;

  void add(const char* name, const QByteArray& bytes, bool compress);
  // The entry's bytes are read from `stream` while close() writes the
  // package; one such entry per package.
  void addStream(const char* name, StreamedXml& stream);
  void close();

 private:
  void addSource(const char* name, zip_source* source, bool compress);
  [[noreturn]] void fail();

  zip* zip_ = nullptr;
  std::pair<StreamedXml*, std::exception_ptr> streaming_{nullptr, nullptr};
};

}  // namespace velinda
