#include "support/smalldisk.h"

#include <QFile>

#include <fcntl.h>
#include <cerrno>
#include <cstring>
#ifndef Q_OS_WIN
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace velinda {

using namespace Qt::StringLiterals;

#ifdef Q_OS_WIN

// A Windows program cannot mount a filesystem of its own; the Linux build of
// the same tests covers a full disk.
SmallDisk::SmallDisk(int) {
  whyNot_ = u"a full disk is simulated with a tmpfs, which a Windows program cannot mount"_s;
}

SmallDisk::~SmallDisk() = default;

#else

SmallDisk::SmallDisk(int kilobytes) {
  if (::geteuid() != 0) {
    whyNot_ = u"a full disk is simulated with a tmpfs, which only root can mount"_s;
    return;
  }
  if (!mountPoint_.isValid()) {
    whyNot_ = u"no folder for the mount point: "_s + mountPoint_.errorString();
    return;
  }
  const QByteArray target = QFile::encodeName(mountPoint_.path());
  const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
  if (::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) !=
      0) {
    whyNot_ =
        u"the system refused to mount a tmpfs: "_s + QString::fromLocal8Bit(std::strerror(errno));
    return;
  }
  mounted_ = true;
}

SmallDisk::~SmallDisk() {
  if (!mounted_) return;
  const QByteArray target = QFile::encodeName(mountPoint_.path());
  // A file a failed test left open keeps the disk busy; detach it anyway.
  if (::umount(target.constData()) != 0) ::umount2(target.constData(), MNT_DETACH);
}

#endif

QString SmallDisk::path() const { return mountPoint_.path() + u'/'; }

#ifdef Q_OS_WIN
void SmallDisk::fill() { qFatal("SmallDisk::fill without a mounted disk"); }
#else
void SmallDisk::fill() {
  const QByteArray filler = QFile::encodeName(path() + u".filler"_s);
  const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  if (fd < 0) qFatal("cannot create the filler file: %s", std::strerror(errno));
  static const char block[4096] = {};
  // Whole pages first, then single bytes for whatever is left of a page.
  for (qint64 size : {qint64(sizeof block), qint64(1)}) {
    while (::write(fd, block, size_t(size)) == size) {
    }
  }
  ::close(fd);
}
#endif

}  // namespace velinda
