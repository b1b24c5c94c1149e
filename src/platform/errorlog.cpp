#include "platform/errorlog.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "core/programfolder.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace ErrorLog {

void write(const QString& action, const QString& detail) {
  const QString path = ProgramFolder::filePath(kFileName);
  if (QFileInfo(path).size() > kLimit) {
    QFile::remove(path + u".1"_s);
    QFile::rename(path, path + u".1"_s);
  }
  QFile log(path);
  if (!log.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  const QString line = QDateTime::currentDateTime().toString(Qt::ISODate) + u' ' + action +
                       u": "_s + QString(detail).replace(u'\n', u' ') + u"\r\n"_s;
  log.write(line.toUtf8());
}

}  // namespace ErrorLog

}  // namespace velinda
