#include "records/listfind.h"

#include <algorithm>

#include "core/text.h"
#include "records/linelist.h"

namespace velinda {

namespace {

// `wanted` (A-Z already folded) occurs in the line with its A-Z folded too.
bool holds(QStringView line, QStringView wanted) {
  const auto fold = [](QChar c) {
    return c >= u'A' && c <= u'Z' ? QChar(c.unicode() - u'A' + u'a') : c;
  };
  const auto at = std::search(line.begin(), line.end(), wanted.begin(), wanted.end(),
                              [&](QChar a, QChar b) { return fold(a) == b; });
  return at != line.end();
}

}  // namespace

ListFind::Result ListFind::find(const QStringList& lines, int chosen, const QString& typed) {
  return find(LineList::fromStringList(lines), chosen, typed);
}

ListFind::Result ListFind::find(const LineList& lines, int chosen, const QString& typed) {
  if (lines.isEmpty()) return {Outcome::EmptyList, -1};
  if (chosen < 0 || chosen >= lines.size()) chosen = 0;

  // Not trimmed: blanks typed around a word are part of what is looked for.
  const QString wanted = Text::lowerAscii(typed);
  const int count = int(lines.size());
  const bool again = wanted == remembered_;
  remembered_ = wanted;
  if (wanted.isEmpty()) return {Outcome::NotFound, chosen};

  // A new text starts on the first line itself; the same text starts on the
  // line after the chosen one and ends, a full pass later, on the chosen one.
  const int first = again ? chosen + 1 : 0;
  for (int step = 0; step < count; ++step) {
    const int line = (first + step) % count;
    if (holds(lines.at(line), wanted)) return {Outcome::Found, line};
  }
  return {Outcome::NotFound, chosen};
}

}  // namespace velinda
