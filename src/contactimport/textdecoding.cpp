#include "contactimport/textdecoding.h"

#include <QStringDecoder>

#include "core/windows1252.h"

using namespace Qt::StringLiterals;

namespace {

struct Bom {
  QByteArray bytes;
  QStringConverter::Encoding encoding;
  const char16_t* name;
};

std::optional<QString> decodeStrictly(QByteArrayView bytes, QStringConverter::Encoding encoding) {
  QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

}  // namespace

DecodedText decodeText(const QByteArray& bytes) {
  const Bom boms[] = {
      {QByteArray("\xEF\xBB\xBF"), QStringConverter::Utf8, u"UTF-8 con BOM"},
      {QByteArray("\xFF\xFE"), QStringConverter::Utf16LE, u"UTF-16"},
      {QByteArray("\xFE\xFF"), QStringConverter::Utf16BE, u"UTF-16"},
  };
  for (const Bom& bom : boms) {
    if (bytes.startsWith(bom.bytes)) {
      QStringDecoder decoder(bom.encoding, QStringConverter::Flag::Stateless);
      return {decoder.decode(QByteArrayView(bytes).sliced(bom.bytes.size())),
              QString::fromUtf16(bom.name)};
    }
  }
  if (std::optional<QString> utf8 = decodeStrictly(bytes, QStringConverter::Utf8))
    return {*utf8, u"UTF-8"_s};
  return {Windows1252::decode(bytes), u"Windows-1252"_s};
}

bool looksBinary(const QString& text) {
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r' && u != u'\f') return true;
  }
  return false;
}
