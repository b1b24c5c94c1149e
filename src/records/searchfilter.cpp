#include "records/searchfilter.h"

#include "archive/tscheda.h"
#include "core/text.h"

namespace SearchFilter {

bool isBlank(const QString& typed) { return Text::trimmed(typed).isEmpty(); }

bool matches(const QString& typed, const QString& stored) {
  return Text::lowerAscii(stored).contains(Text::lowerAscii(typed));
}

bool selects(const TScheda& record, const QList<Filter>& filters) {
  for (const Filter& f : filters)
    if (!isBlank(f.typed) && !matches(f.typed, record.text(f.field))) return false;
  return true;
}

int setCount(const QList<Filter>& filters) {
  int count = 0;
  for (const Filter& f : filters)
    if (!isBlank(f.typed)) ++count;
  return count;
}

}  // namespace SearchFilter
