#include "support/smalldisk.h"

#include <QFile>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/programfolder.h"

SmallDisk::SmallDisk(int kilobytes) {
  if (::geteuid() != 0) {
    why_ = u"mounting a small disk needs root"_qs;
    return;
  }
  const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
  if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
              options.constData()) != 0) {
    why_ = u"cannot mount a tmpfs here: "_qs + QString::fromLocal8Bit(std::strerror(errno));
    return;
  }
  mounted_ = true;
  ProgramFolder::setOverride(dir_.path());
}

SmallDisk::~SmallDisk() {
  if (!mounted_) return;
  ProgramFolder::setOverride({});
  ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

QString SmallDisk::filePath(const QString& name) const { return dir_.path() + u'/' + name; }
