#include "core/replacementfile.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace Qt::StringLiterals;

ReplacementFile::ReplacementFile(const QString& target) : target_(target), file_(target) {
  if (!file_.open(QIODevice::WriteOnly)) fail(file_.errorString());
}

void ReplacementFile::write(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }

void ReplacementFile::write(const char* data, qint64 size) {
  if (file_.write(data, size) != size) fail(file_.errorString());
}

void ReplacementFile::setPermissions(QFileDevice::Permissions permissions) {
  if (!file_.setPermissions(permissions)) fail(file_.errorString());
}

void ReplacementFile::commit() {
  QString reason;
  if (file_.error() != QFileDevice::NoError || !file_.flush())
    reason = file_.errorString();
  // Some filesystems hold a write error back until the data is synced (a
  // shared network folder may report a full disk only then); EINVAL only
  // says that this one cannot sync.
  else if (::fsync(file_.handle()) != 0 && errno != EINVAL)
    reason = QString::fromLocal8Bit(std::strerror(errno));
  if (!reason.isEmpty()) {
    file_.cancelWriting();
    file_.commit();  // throws the new file away
    fail(reason);
  }
  if (!file_.commit()) fail(file_.errorString());
}

void ReplacementFile::fail(const QString& reason) {
  throw FileWriteError((target_ + u": "_s + reason).toStdString());
}
