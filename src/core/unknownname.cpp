#include "core/unknownname.h"

namespace velinda {

namespace {

std::string message(QStringView where, QStringView name) {
  QString text = where.toString();
  text += u": no control, field or box named \"";
  text += name;
  text += u'"';
  return text.toStdString();
}

}  // namespace

UnknownName::UnknownName(QStringView where, QStringView name)
    : std::invalid_argument(message(where, name)) {}

namespace NameLookup {

int requireIndex(int index, QStringView where, QStringView name) {
  if (index < 0) throw UnknownName(where, name);
  return index;
}

}  // namespace NameLookup

}  // namespace velinda
