#pragma once

#include <QWidget>

#include "core/unknownname.h"

namespace velinda {

// The control of that name and type inside `owner`; a name the screen does
// not have raises UnknownName, naming the screen.
template <typename T>
T* namedChild(const QWidget& owner, const QString& name) {
  return NameLookup::require(owner.findChild<T*>(name),
                             QString::fromLatin1(owner.window()->metaObject()->className()), name);
}

}  // namespace velinda
