#pragma once

#include <QObject>
#include <QString>

namespace velinda {

// The class of a screen as the tests' tables name it: without the
// program's namespace.
inline QString className(const QObject* object) {
  QString name = QString::fromLatin1(object->metaObject()->className());
  name.remove(QLatin1String("velinda::"));
  return name;
}

}  // namespace velinda
