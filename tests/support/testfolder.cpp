#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/programfolder.h"

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace velinda {

using namespace Qt::StringLiterals;

namespace {
#ifdef Q_OS_WIN
// Windows has no immutable or append-only flag; its read-only attribute,
// which the permissions set, is what stops a write there.
bool setFlag(const QString&, int, bool) { return false; }
bool runsAsRoot() { return false; }
constexpr int FS_IMMUTABLE_FL = 0;
constexpr int FS_APPEND_FL = 0;
#else
bool runsAsRoot() { return ::geteuid() == 0; }

// Sets or clears an attribute flag (chattr +i, +a); needs root.
bool setFlag(const QString& path, int flag, bool on) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = on ? (flags | flag) : (flags & ~flag);
    ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return ok;
}
#endif

bool setImmutable(const QString& path, bool on) { return setFlag(path, FS_IMMUTABLE_FL, on); }

// True when the system now refuses a write to the file, or the creation of a
// file in the folder.
bool refusesWrites(const QString& target, bool isFolder) {
  if (!isFolder) {
    if (!QFileInfo::exists(target)) return false;
    QFile file(target);
    return !file.open(QIODevice::WriteOnly | QIODevice::Append);
  }
  QFile probe(target + u"/.velinda-write-probe"_s);
  if (!probe.open(QIODevice::WriteOnly)) return true;
  probe.close();
  probe.remove();
  return false;
}
}  // namespace

TestFolder::TestFolder(const QString& parent)
    : dir_((parent.isEmpty() ? QDir::tempPath() : parent) + u"/velinda-XXXXXX"_s) {
  previousFolder_ = ProgramFolder::setOverride(dir_.path());
}

TestFolder::~TestFolder() {
  for (const QString& path : immutable_) setImmutable(path, false);
  if (appendOnly_) setFlag(dir_.path(), FS_APPEND_FL, false);
  // Give write permission back so that the folder can be removed.
  QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  ProgramFolder::setOverride(previousFolder_);
}

QString TestFolder::path() const { return dir_.path() + u'/'; }

QString TestFolder::filePath(const QString& name) const { return path() + name; }

QByteArray TestFolder::read(const QString& name) const {
  QFile file(filePath(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestFolder::write(const QString& name, const QByteArray& bytes) const {
  QFile file(filePath(name));
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

bool TestFolder::exists(const QString& name) const { return QFileInfo::exists(filePath(name)); }

bool TestFolder::makeReadOnly(const QString& name) {
  const QString target = name.isEmpty() ? dir_.path() : filePath(name);
  QFile::Permissions perms = QFile::ReadOwner | QFile::ReadUser;
  if (name.isEmpty()) perms |= QFile::ExeOwner | QFile::ExeUser;
  QFile::setPermissions(target, perms);
  if (runsAsRoot() && setImmutable(target, true)) immutable_.append(target);
  return refusesWrites(target, name.isEmpty());
}

bool TestFolder::makeAppendOnly() {
  appendOnly_ = runsAsRoot() && setFlag(dir_.path(), FS_APPEND_FL, true);
  return appendOnly_;
}

}  // namespace velinda
