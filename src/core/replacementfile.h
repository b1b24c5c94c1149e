#pragma once

#include <QFileDevice>
#include <QSaveFile>
#include <QString>
#include <stdexcept>

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
// (QSaveFile alone is not enough: its commit takes a failed buffered write
// for a success and puts the short file in place.)
class ReplacementFile {
 public:
  // Throws FileWriteError when the new file cannot be created.
  explicit ReplacementFile(const QString& target);

  // Throws FileWriteError; what is written stays beside the target.
  void write(const QByteArray& bytes);
  void write(const char* data, qint64 size);

  // For writers that take a device. Failures they ignore are found by
  // commit().
  QIODevice& device() { return file_; }

  void setPermissions(QFileDevice::Permissions permissions);

  // Puts the new file in the target's place. Throws FileWriteError, leaving
  // the target untouched, when any write failed or the data cannot be
  // flushed to the disk.
  void commit();

 private:
  [[noreturn]] void fail(const QString& reason);

  QString target_;
  QSaveFile file_;
};
