#include "records/searchfilter.h"

#include <algorithm>

#include "archive/tcampofisso.h"
#include "archive/tscheda.h"
#include "core/text.h"
#include "core/unknownname.h"
#include "core/windows1252.h"

namespace velinda {

namespace SearchFilter {

bool isBlank(const QString& typed) { return Text::trimmed(typed).isEmpty(); }

bool matches(const QString& typed, const QString& stored) {
  return Text::lowerAscii(stored).contains(Text::lowerAscii(typed));
}

bool selects(const TScheda& record, const QList<Filter>& filters) {
  return Matcher(record.layout(), filters).selects(record);
}

int setCount(const QList<Filter>& filters) {
  int count = 0;
  for (const Filter& f : filters)
    if (!isBlank(f.typed)) ++count;
  return count;
}

Matcher::Matcher(const RecordLayout& layout, const QList<Filter>& filters) {
  for (const Filter& f : filters) {
    if (isBlank(f.typed)) continue;
    const QString folded = Text::lowerAscii(f.typed);
    const QByteArray bytes = Windows1252::encode(folded);
    // A stored text holds only what the code page can: a typed character
    // outside it is found nowhere (the encoder would put a close letter or
    // "?" in its place).
    set_.append({NameLookup::requireIndex(layout.indexOf(f.field), u"search", f.field), bytes,
                 Windows1252::decode(bytes) == folded});
  }
}

bool Matcher::selects(const TScheda& record) const {
  const RecordLayout& layout = record.layout();
  for (const SetFilter& f : set_) {
    if (!f.storable) return false;
    const QByteArrayView stored = TCampoFisso::TrimmedBytes(
        record.bytes().constData() + layout.offset(f.field), layout.field(f.field).capacity);
    // Only A-Z fold, and in Windows-1252 they are the bytes of ASCII.
    char folded[256];
    std::transform(stored.begin(), stored.end(), folded,
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    if (QByteArrayView(folded, stored.size()).indexOf(f.typed) < 0) return false;
  }
  return true;
}

}  // namespace SearchFilter

}  // namespace velinda
