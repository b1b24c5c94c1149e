#include "support/openfiles.h"

#include <QDir>
#include <QFileInfo>

namespace velinda {

using namespace Qt::StringLiterals;

QStringList openFiles() {
  QStringList files;
  const QDir descriptors(u"/proc/self/fd"_s);
  const auto all = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
  for (const QString& fd : descriptors.entryList(all)) {
    const QString target = QFileInfo(descriptors.filePath(fd)).symLinkTarget();
    if (!target.isEmpty()) files << target;
  }
  return files;
}

bool canListOpenFiles() {
#ifdef Q_OS_WIN
  return false;  // Wine shows its host's /proc, not this program's files
#else
  return QDir(u"/proc/self/fd"_s).exists();
#endif
}

bool isOpen(const QString& path) {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return !canonical.isEmpty() && openFiles().contains(canonical);
}

}  // namespace velinda
