#include "records/listfind.h"

#include "core/text.h"

ListFind::Result ListFind::find(const QStringList& lines, int chosen, const QString& typed) {
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
    if (Text::lowerAscii(lines[line]).contains(wanted)) return {Outcome::Found, line};
  }
  return {Outcome::NotFound, chosen};
}
