#include "core/lockfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#ifdef Q_OS_LINUX
#include <linux/fs.h>
#endif
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velinda {

using namespace Qt::StringLiterals;

namespace LockFiles {

namespace {

#ifdef Q_OS_WIN

std::wstring nativeName(const QString& path) {
  return QDir::toNativeSeparators(path).toStdWString();
}

QString describe(DWORD code) { return u"Windows error "_s + QString::number(code); }

Outcome sorted(DWORD code, const QString& path) {
  switch (code) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return Outcome::Exists;
    case ERROR_FILE_NOT_FOUND:
      return Outcome::Missing;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return Outcome::InUse;
    case ERROR_ACCESS_DENIED:
      // Also the answer for a file that another handle deleted but still
      // holds open, which is gone as soon as that handle closes.
      return QFileInfo::exists(path) ? Outcome::InUse : Outcome::Refused;
    case ERROR_WRITE_PROTECT:
      return Outcome::Refused;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return Outcome::DiskFull;
    default:
      return Outcome::Failed;
  }
}

#else

QString describe(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

Outcome sorted(int code) {
  switch (code) {
    case EEXIST:
      return Outcome::Exists;
    case ENOENT:
      return Outcome::Missing;
    case EBUSY:
    case ETXTBSY:
      return Outcome::InUse;
    case EACCES:
    case EPERM:
    case EROFS:
      return Outcome::Refused;
    case ENOSPC:
    case EDQUOT:
      return Outcome::DiskFull;
    default:
      return Outcome::Failed;
  }
}

#endif

}  // namespace

Result makeFolder(const QString& path) {
#ifdef Q_OS_WIN
  if (CreateDirectoryW(nativeName(path).c_str(), nullptr)) return {Outcome::Done, {}};
  const DWORD code = GetLastError();
  const Outcome outcome =
      code == ERROR_ACCESS_DENIED && QFileInfo::exists(path) ? Outcome::Exists : sorted(code, path);
  return {outcome == Outcome::InUse ? Outcome::Exists : outcome, describe(code)};
#else
  if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0) return {Outcome::Done, {}};
  const int code = errno;
  return {sorted(code), describe(code)};
#endif
}

Result removeFolder(const QString& path) {
#ifdef Q_OS_WIN
  if (RemoveDirectoryW(nativeName(path).c_str())) return {Outcome::Done, {}};
  const DWORD code = GetLastError();
  if (code == ERROR_DIR_NOT_EMPTY) return {Outcome::NotEmpty, describe(code)};
  return {sorted(code, path), describe(code)};
#else
  if (::rmdir(QFile::encodeName(path).constData()) == 0) return {Outcome::Done, {}};
  const int code = errno;
  if (code == ENOTEMPTY || code == EEXIST) return {Outcome::NotEmpty, describe(code)};
  return {sorted(code), describe(code)};
#endif
}

Result write(const QString& path, const QByteArray& content) {
#ifdef Q_OS_WIN
  const HANDLE file = CreateFileW(nativeName(path).c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    return {sorted(code, path), describe(code)};
  }
  DWORD written = 0;
  const bool whole =
      WriteFile(file, content.constData(), DWORD(content.size()), &written, nullptr) &&
      written == DWORD(content.size());
  const DWORD code = GetLastError();
  CloseHandle(file);
  if (whole) return {Outcome::Done, {}};
  DeleteFileW(nativeName(path).c_str());
  const Outcome outcome = sorted(code, path);
  return {outcome == Outcome::DiskFull ? outcome : Outcome::Failed, describe(code)};
#else
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    const int code = errno;
    return {sorted(code), describe(code)};
  }
  qsizetype done = 0;
  int code = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.constData() + done, size_t(content.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      code = n < 0 ? errno : ENOSPC;
      break;
    }
    done += n;
  }
  if (::close(fd) != 0 && code == 0) code = errno;
  if (code == 0) return {Outcome::Done, {}};
  ::unlink(name.constData());
  const Outcome outcome = sorted(code);
  return {outcome == Outcome::DiskFull ? outcome : Outcome::Failed, describe(code)};
#endif
}

Result remove(const QString& path) {
#ifdef Q_OS_WIN
  if (DeleteFileW(nativeName(path).c_str())) return {Outcome::Done, {}};
  const DWORD code = GetLastError();
  return {sorted(code, path), describe(code)};
#else
  if (::unlink(QFile::encodeName(path).constData()) == 0) return {Outcome::Done, {}};
  const int code = errno;
  return {sorted(code), describe(code)};
#endif
}

std::optional<QByteArray> read(const QString& path, bool* isProtected) {
  if (isProtected) *isProtected = false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  // A lock's holder file is a few lines; anything longer is not one of ours.
  const QByteArray content = file.read(4096);
  if (isProtected) {
#ifdef Q_OS_WIN
    const DWORD attributes = GetFileAttributesW(nativeName(path).c_str());
    *isProtected = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
#elif defined(Q_OS_LINUX)
    int flags = 0;
    *isProtected = ::ioctl(file.handle(), FS_IOC_GETFLAGS, &flags) == 0 &&
                   (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL));
#endif
  }
  return content;
}

bool processRunning(qint64 pid) {
  if (pid <= 0) return false;
#ifdef Q_OS_WIN
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
  if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
  DWORD exitCode = 0;
  const bool running = GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
  CloseHandle(process);
  return running;
#else
  return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#endif
}

qint64 currentProcessId() { return QCoreApplication::applicationPid(); }

}  // namespace LockFiles

}  // namespace velinda
