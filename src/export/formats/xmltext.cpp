#include "export/formats/xmltext.h"

#include <QChar>

namespace velinda {

namespace XmlText {

qsizetype putCharacter(QStringView text, qsizetype i, Cursor& out) {
  const char16_t c = text[i].unicode();
  if (c < 0x80) {
    switch (c) {
      case u'&':
        out.put("&amp;");
        break;
      case u'<':
        out.put("&lt;");
        break;
      case u'>':
        out.put("&gt;");
        break;
      case u'"':
        out.put("&quot;");
        break;
      default:
        out.put(char(c));
    }
    return 1;
  }
  char32_t u = c;
  qsizetype taken = 1;
  if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
      QChar::isLowSurrogate(text[i + 1].unicode())) {
    u = QChar::surrogateToUcs4(c, text[i + 1].unicode());
    taken = 2;
  } else if (QChar::isSurrogate(c)) {
    u = 0xFFFD;  // half a pair stands for nothing
  }
  if (u < 0x800) {
    out.put(char(0xC0 | (u >> 6)));
  } else if (u < 0x10000) {
    out.put(char(0xE0 | (u >> 12)));
    out.put(char(0x80 | ((u >> 6) & 0x3F)));
  } else {
    out.put(char(0xF0 | (u >> 18)));
    out.put(char(0x80 | ((u >> 12) & 0x3F)));
    out.put(char(0x80 | ((u >> 6) & 0x3F)));
  }
  out.put(char(0x80 | (u & 0x3F)));
  return taken;
}

void putText(QStringView text, Cursor& out) {
  for (qsizetype i = 0; i < text.size();) {
    const char16_t c = text[i].unicode();
    if (c == u'\n' || c == u'\t' || carried(c))
      i += putCharacter(text, i, out);
    else
      ++i;
  }
}

void append(QStringView text, QByteArray& out) {
  const qsizetype start = out.size();
  out.resize(start + kMostPerCharacter * text.size());
  Cursor cursor{out.data() + start};
  putText(text, cursor);
  out.truncate(cursor.at - out.constData());
}

}  // namespace XmlText

}  // namespace velinda
