#include "core/controlname.h"

namespace velinda {

namespace {
constexpr qsizetype kPrefixLength = 3;
}  // namespace

namespace ControlName {

QStringView stem(QStringView control) { return control.mid(kPrefixLength); }

QString make(QStringView prefix, QStringView stem) {
  QString name;
  name.reserve(prefix.size() + stem.size());
  name += prefix;
  name += stem;
  return name;
}

QString sibling(QStringView prefix, QStringView control) { return make(prefix, stem(control)); }

}  // namespace ControlName

}  // namespace velinda
