#include "archive/tarchivio.h"

#include <cerrno>
#include <cstring>

#include "archive/archiveerror.h"
#include "core/filesize.h"
#include "core/programfolder.h"

namespace velinda {

using namespace Qt::StringLiterals;

TArchivio::TArchivio(const ArchiveDefinition& archive)
    : TArchivio(archive, ProgramFolder::filePath(archive.fileName)) {}

TArchivio::TArchivio(const ArchiveDefinition& archive, const QString& filePath)
    : lock_(filePath),
      file_(filePath),
      recordSize_(archive.layout.size()),
      layout_(archive.layout) {}

TArchivio::~TArchivio() {
  if (file_.isOpen()) file_.close();
  lock_.release();
}

void TArchivio::Open() {
  if (file_.isOpen()) file_.close();
  position_ = 0;
  try {
    lock_.acquire();
  } catch (const LockBusy&) {
    throw ArchiveBusy(file_.fileName());
  } catch (const LockUnavailable& error) {
    throw ArchiveError(QString::fromStdString(error.what()), error.userMessage());
  }
  errno = 0;
  if (!file_.open(QIODevice::ReadWrite)) failToOpen();
  size_ = -1;
  ahead_.clear();
}

// The archive-access message speaks of write privileges; a full disk or a
// failing network folder is told as such.
void TArchivio::failToOpen() {
  const int code = errno;
  const QString detail = file_.fileName() + u": "_s + file_.errorString();
  lock_.release();
  if (code == ENOSPC)
    throw ArchiveError(detail, lockProblemMessage(LockProblem::DiskFull, lock_.lockFilePath()));
  if (code == EIO || code == ENOTCONN || code == ETIMEDOUT)
    throw ArchiveError(detail, lockProblemMessage(LockProblem::FolderFailed, lock_.lockFilePath()));
  throw ArchiveError(detail);
}

void TArchivio::requireOpen() const {
  if (!file_.isOpen()) throw ArchiveError(u"archive not open"_s);
}

int TArchivio::Count() const {
  requireOpen();
  return int(fileSize() / recordSize_);
}

namespace {
// Writes to any archive by this process, so that every open archive knows
// when its remembered size may be out of date.
quint64 writesInProcess = 0;
}  // namespace

qint64 TArchivio::fileSize() const {
  if (size_ < 0 || sizeAfterWrites_ != writesInProcess) {
    size_ = FileSize::fresh(file_);
    sizeAfterWrites_ = writesInProcess;
  }
  return size_;
}

void TArchivio::requireRecord(int position) const {
  if (position < 1 || position > Count())
    throw ArchiveError(u"no record number "_s + QString::number(position));
}

void TArchivio::checkLayout(const TScheda& record) const {
  if (&record.layout() != &layout_ || record.bytes().size() != recordSize_)
    throw ArchiveError(u"record of another layout"_s);
}

void TArchivio::seekTo(int position) {
  const qint64 offset = qint64(position - 1) * recordSize_;
  if (file_.pos() != offset && !file_.seek(offset)) throw ArchiveError(file_.errorString());
}

void TArchivio::readRecordAt(int position, TScheda& record) {
  checkLayout(record);
  lock_.keepAlive();
  const qint64 offset = qint64(position - 1) * recordSize_;
  if (aheadAfterWrites_ != writesInProcess || offset < aheadOffset_ ||
      offset + recordSize_ > aheadOffset_ + ahead_.size())
    readAhead(offset);
  std::memcpy(record.bytes().data(), ahead_.constData() + (offset - aheadOffset_), recordSize_);
}

// Lists and searches read every record in turn: taking about a quarter of a
// megabyte at a time costs one system call where a record at a time cost
// dozens, and the records are copied once instead of twice.
void TArchivio::readAhead(qint64 offset) {
  constexpr qint64 kAheadBytes = 256 * 1024;
  const qint64 wanted = qMax<qint64>(1, kAheadBytes / recordSize_) * recordSize_;
  const qint64 length = qMin(wanted, fileSize() - offset);
  ahead_.resize(length);
  aheadOffset_ = offset;
  aheadAfterWrites_ = writesInProcess;
  if (!file_.seek(offset) || file_.read(ahead_.data(), length) != length) {
    ahead_.clear();
    throw ArchiveError(u"short record in "_s + file_.fileName());
  }
}

void TArchivio::writeRecord(const TScheda& record) {
  checkLayout(record);
  try {
    lock_.requireHeld();
  } catch (const LockUnavailable& error) {
    // Without write privileges the editors' own message says it best.
    if (error.problem() == LockProblem::NoRightToCreate)
      throw ArchiveError(QString::fromStdString(error.what()));
    throw ArchiveError(QString::fromStdString(error.what()), error.userMessage());
  }
  lock_.keepAlive();
  ++writesInProcess;
  if (file_.write(record.bytes()) != recordSize_ || !file_.flush())
    throw ArchiveError(file_.fileName() + u": "_s + file_.errorString());
}

void TArchivio::ReadAt(int position, TScheda& record) {
  requireRecord(position);
  readRecordAt(position, record);
  position_ = position;
}

void TArchivio::ReadNext(TScheda& record) {
  requireRecord(position_ + 1);
  readRecordAt(position_ + 1, record);
  ++position_;
}

bool TArchivio::AtEnd() const { return position_ >= Count(); }

void TArchivio::WriteAt(int position, const TScheda& record) {
  requireRecord(position);
  seekTo(position);
  writeRecord(record);
  position_ = position;
}

void TArchivio::Append(const TScheda& record) {
  const int position = Count() + 1;
  seekTo(position);
  writeRecord(record);
  position_ = position;
}

void TArchivio::Close() {
  if (!file_.isOpen()) return;
  const bool flushed = file_.flush();
  // Closed before the lock goes, so that a station on a network share that
  // takes the lock next finds everything written on the server.
  file_.close();
  lock_.release();
  if (!flushed) throw ArchiveError(file_.errorString());
}

}  // namespace velinda
