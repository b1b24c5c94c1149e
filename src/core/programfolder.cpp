#include "core/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <utility>

namespace velinda {

namespace {
QString& overrideFolder() {
  static QString folder;
  return folder;
}

QString withSeparator(QString folder) {
  if (!folder.endsWith(u'/')) folder += u'/';
  return folder;
}
}  // namespace

namespace ProgramFolder {

QString path() {
  if (!overrideFolder().isEmpty()) return withSeparator(overrideFolder());
  return withSeparator(QCoreApplication::applicationDirPath());
}

QString filePath(const QString& fileName) { return path() + fileName; }

QString setOverride(const QString& folder) {
  return std::exchange(overrideFolder(), folder.isEmpty() ? QString() : QDir::cleanPath(folder));
}

}  // namespace ProgramFolder

}  // namespace velinda
