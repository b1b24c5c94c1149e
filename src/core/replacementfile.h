#pragma once

#include <QFile>
#include <QString>
#include <stdexcept>

namespace velinda {

// A file could not be written in full; its target is as it was.
class FileWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A new file written beside its target, which takes the target's place in
// one step only when every byte has been written and has reached the disk.
// Until then, and after any failure (a full disk, a read-only file or
// folder), the target stays exactly as it was and the partial copy is thrown
// away. Another program reading the target, a second station on a shared
// folder included, sees the old file or the new one, never a part of one.
//
// The new file has a short hidden name of its own in the target's folder
// (".vl" + a few random letters + ".tmp"), created exclusively and kept open until it is complete:
// a target name close to the system's limit of 255 bytes still works, and
// nothing that appears under that name meanwhile is ever followed or
// overwritten. (QSaveFile is not used: its commit took a failed buffered
// write for a success, and its temporary name is the target's plus seven
// characters.)
class ReplacementFile {
 public:
  // Throws FileWriteError when the new file cannot be created.
  explicit ReplacementFile(const QString& target);
  // Throws the new file away unless commit() put it in place.
  ~ReplacementFile();

  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // Throws FileWriteError; what is written stays beside the target.
  void write(const QByteArray& bytes);
  void write(const char* data, qint64 size);

  // For writers that take a device. Failures they ignore are found by
  // commit().
  QIODevice& device() { return file_; }
  // For writers that can only write a file by its name (zip and workbook
  // libraries): the new file, already created, which they may truncate and
  // fill. Call closeForWriterByName() first, so that it is not written
  // through two handles.
  QString temporaryPath() const { return file_.fileName(); }
  void closeForWriterByName();

  // The new file's permissions; by default those of the target it replaces,
  // or those of a plain new file.
  void setPermissions(QFileDevice::Permissions permissions);

  // Puts the new file in the target's place. Throws FileWriteError, leaving
  // the target untouched, when any write failed or the data cannot be
  // flushed to the disk.
  void commit();

 private:
  [[noreturn]] void fail(const QString& reason);
  void discard();

  QString target_;
  QFile file_;
  bool created_ = false;
  bool committed_ = false;
  bool writtenByName_ = false;
};

}  // namespace velinda
