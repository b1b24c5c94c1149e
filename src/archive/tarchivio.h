#pragma once

#include <QFile>

#include "archive/tscheda.h"
#include "core/filelock.h"

namespace velinda {

// One archive file of fixed-size records, opened for one user action and
// closed again. Positions are 1-based record numbers; the current position
// is the number of the record last read or written (0 before the first).
// From Open to Close the archive's lock keeps other stations out (see
// FileLock). Where this station cannot make the lock file for a reason of
// its own (a full disk, say), the archive can still be read, since records
// are written whole; a write then fails with the reason. Every failure
// throws ArchiveError; the destructor closes the file and releases the lock
// on every path out of an action.
class TArchivio {
 public:
  // The archive's file in the program folder.
  explicit TArchivio(const ArchiveDefinition& archive);
  // The archive's layout in a file of the caller's choosing.
  TArchivio(const ArchiveDefinition& archive, const QString& filePath);
  ~TArchivio();

  TArchivio(const TArchivio&) = delete;
  TArchivio& operator=(const TArchivio&) = delete;

  // Takes the archive's lock, then opens the file for reading and writing,
  // creating it empty when missing. An existing file that cannot be opened
  // so is never replaced.
  void Open();
  // Whole records in the file; a partial tail is not counted.
  int Count() const;
  void ReadAt(int position, TScheda& record);
  void ReadNext(TScheda& record);
  bool AtEnd() const;
  void WriteAt(int position, const TScheda& record);
  // Writes after the last whole record (over any partial tail).
  void Append(const TScheda& record);
  int Position() const { return position_; }
  // Closes the file, then releases the lock.
  void Close();

 private:
  void requireOpen() const;
  void requireRecord(int position) const;
  void checkLayout(const TScheda& record) const;
  void seekTo(int position);
  void readRecordAt(int position, TScheda& record);
  void readAhead(qint64 offset);
  void writeRecord(const TScheda& record);
  [[noreturn]] void failToOpen();

  FileLock lock_;
  QFile file_;
  int recordSize_;
  const RecordLayout& layout_;
  int position_ = 0;
  // The file's size while it is open, asked of the system again only after a
  // write by this process: the lock keeps other stations out meanwhile, but
  // an action may open the same archive again inside itself and append.
  // Asking for every record cost a scan more than the reading itself.
  qint64 fileSize() const;
  mutable qint64 size_ = -1;
  mutable quint64 sizeAfterWrites_ = 0;
  // Records read ahead of the one asked for, from aheadOffset_ in the file;
  // good only while no write by this process has come since.
  QByteArray ahead_;
  qint64 aheadOffset_ = 0;
  quint64 aheadAfterWrites_ = 0;
};

}  // namespace velinda
