#pragma once

#include <QStringList>

#include "contactimport/contacttable.h"

namespace velinda {

// A contact as "name=value" lines, so that a failing comparison shows
// which value differs.
inline QStringList lines(const ContactRow& row) {
  QStringList out;
  for (const NamedValue& v : row) out.append(v.name + u'=' + v.value);
  return out;
}

}  // namespace velinda
