#include "core/text.h"

#include <algorithm>

namespace velinda {

namespace {
bool isLineBreak(QChar c) {
  switch (c.unicode()) {
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085:
    case 0x2028:
    case 0x2029:
      return true;
    default:
      return false;
  }
}
}  // namespace

namespace Text {

QString trimmed(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text.at(begin).unicode() <= 32) ++begin;
  while (end > begin && text.at(end - 1).unicode() <= 32) --end;
  return text.mid(begin, end - begin);
}

QString upperAscii(const QString& text) {
  QString out = text;
  for (QChar& c : out) {
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
  }
  return out;
}

QString lowerAscii(const QString& text) {
  QString out = text;
  for (QChar& c : out) {
    if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
  }
  return out;
}

QString oneLine(const QString& text) {
  if (std::none_of(text.begin(), text.end(), isLineBreak)) return text;
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    // CR LF is one break: its LF makes the blank.
    if (text.at(i) == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') continue;
    out += isLineBreak(text.at(i)) ? QChar(u' ') : text.at(i);
  }
  return out;
}

bool isAsciiDigits(const QString& text) {
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

}  // namespace Text

}  // namespace velinda
