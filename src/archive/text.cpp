#include "archive/text.h"

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

bool isAsciiDigits(const QString& text) {
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

}  // namespace Text
