#include "core/replacementfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#include <cstdio>
#endif

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

#ifndef Q_OS_WIN
QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }
#endif

QFileDevice::Permissions defaultPermissions(const QString& target) {
  const QFileInfo info(target);
  if (info.exists()) return info.permissions();
  return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
         QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
}

// Writes what the system still holds of the file to the disk. Some
// filesystems hold a write error back until then (a shared network folder
// may report a full disk only here). Empty when it went well.
QString syncToDisk(QFile& file) {
#ifdef Q_OS_WIN
  const HANDLE handle = HANDLE(_get_osfhandle(file.handle()));
  if (handle != INVALID_HANDLE_VALUE && !FlushFileBuffers(handle))
    return QString::fromStdWString(std::to_wstring(GetLastError()));
#else
  // EINVAL only says that this filesystem cannot sync.
  if (::fsync(file.handle()) != 0 && errno != EINVAL) return systemError(errno);
#endif
  return {};
}

// Puts the file at from in the place of to, in one step. A network share
// (and Windows) refuses while another program has the target open, which
// readers do for a moment only: the replacement is tried again, in short
// steps so as to fall into the gap between two reads, for up to 5 seconds.
QString replace(const QString& from, const QString& to) {
  QString reason;
  QElapsedTimer elapsed;
  elapsed.start();
  for (int pause = 1;; pause = qMin(pause * 2, 32)) {
#ifdef Q_OS_WIN
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                    reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return {};
    const DWORD code = GetLastError();
    reason = u"Windows error "_s + QString::number(code);
    if (code != ERROR_SHARING_VIOLATION && code != ERROR_ACCESS_DENIED &&
        code != ERROR_LOCK_VIOLATION)
      return reason;
#else
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
      return {};
    const int code = errno;
    reason = systemError(code);
    if (code != EBUSY && code != EEXIST && code != EACCES && code != ETXTBSY) return reason;
#endif
    if (elapsed.elapsed() > 5000) return reason;
    QThread::msleep(pause + QRandomGenerator::global()->bounded(pause));
  }
}

}  // namespace

ReplacementFile::ReplacementFile(const QString& target) : target_(target) {
  const QString folder = QFileInfo(target).absolutePath() + u'/';
  // Created only if no file of that name exists, so a name taken meanwhile
  // (or a link planted there) is never opened; another name is tried.
  for (int tries = 0; !file_.isOpen(); ++tries) {
    const QString suffix = QString::number(QRandomGenerator::global()->generate() % 1000000, 36);
    file_.setFileName(folder + u".vl"_s + suffix + u".tmp"_s);
    if (file_.open(QIODevice::WriteOnly | QIODevice::NewOnly)) break;
    if (tries == 20 || !QFileInfo::exists(file_.fileName())) fail(file_.errorString());
  }
  created_ = true;
  file_.setPermissions(defaultPermissions(target));
}

ReplacementFile::~ReplacementFile() {
  if (!committed_) discard();
}

void ReplacementFile::discard() {
  if (file_.isOpen()) file_.close();
  if (created_) QFile::remove(file_.fileName());
  created_ = false;
}

void ReplacementFile::write(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }

void ReplacementFile::write(const char* data, qint64 size) {
  if (file_.write(data, size) != size) fail(file_.errorString());
}

void ReplacementFile::closeForWriterByName() {
  if (!file_.isOpen()) return;
  if (!file_.flush()) fail(file_.errorString());
  file_.close();
  writtenByName_ = true;
}

void ReplacementFile::setPermissions(QFileDevice::Permissions permissions) {
  if (!QFile::setPermissions(file_.fileName(), permissions)) fail(file_.errorString());
}

void ReplacementFile::commit() {
  if (writtenByName_ && !file_.isOpen() &&
      !file_.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
    fail(file_.errorString());
  QString reason;
  if (file_.error() != QFileDevice::NoError || !file_.flush())
    reason = file_.errorString();
  else
    reason = syncToDisk(file_);
  file_.close();
  if (reason.isEmpty()) reason = replace(file_.fileName(), target_);
  if (!reason.isEmpty()) fail(reason);
  committed_ = true;
}

void ReplacementFile::fail(const QString& reason) {
  discard();
  throw FileWriteError((target_ + u": "_s + reason).toStdString());
}

}  // namespace velinda
