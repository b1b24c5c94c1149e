#include "contactimport/textdecoding.h"

#include <array>

#include "core/windows1252.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const std::array<char16_t, 256>& windows1252Table() {
  static const std::array<char16_t, 256> table = [] {
    std::array<char16_t, 256> t{};
    for (int b = 0; b < 256; ++b) {
      const char byte = char(b);
      t[size_t(b)] = Windows1252::decode(&byte, 1).at(0).unicode();
    }
    return t;
  }();
  return table;
}

struct Counts {
  qsizetype legacy = 0;
  qsizetype utf8 = 0;
};

// The length of the valid UTF-8 sequence at `p` and its code point, or 0.
int utf8Sequence(const uchar* p, const uchar* end, char32_t& code) {
  const uchar lead = *p;
  int length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (end - p < length) return 0;
  for (int k = 1; k < length; ++k) {
    if ((p[k] & 0xC0) != 0x80) return 0;
    code = (code << 6) | (p[k] & 0x3F);
  }
  // Overlong forms, surrogates and code points past Unicode are not UTF-8.
  if (length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) return 0;
  if (length == 4 && (code < 0x10000 || code > 0x10FFFF)) return 0;
  return length;
}

QString decodeMixed(QByteArrayView bytes, Counts& counts) {
  const std::array<char16_t, 256>& legacy = windows1252Table();
  QString text(bytes.size(), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(text.data());
  const char16_t* begin = out;
  auto* p = reinterpret_cast<const uchar*>(bytes.data());
  const uchar* end = p + bytes.size();
  while (p < end) {
    if (*p < 0x80) {
      *out++ = *p++;
      continue;
    }
    char32_t code = 0;
    const int length = utf8Sequence(p, end, code);
    if (length == 0) {
      *out++ = legacy[*p++];
      ++counts.legacy;
      continue;
    }
    if (code >= 0x10000) {
      *out++ = char16_t(0xD800 + ((code - 0x10000) >> 10));
      *out++ = char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      *out++ = char16_t(code);
    }
    p += length;
    ++counts.utf8;
  }
  text.truncate(out - begin);
  return text;
}

}  // namespace

qsizetype TextDecoder::markLength(QByteArrayView firstBytes) {
  if (firstBytes.startsWith("\xEF\xBB\xBF")) {
    utf8Mark_ = true;
    return 3;
  }
  if (firstBytes.startsWith("\xFF\xFE")) {
    utf16_.emplace(QStringConverter::Utf16LE);
    return 2;
  }
  if (firstBytes.startsWith("\xFE\xFF")) {
    utf16_.emplace(QStringConverter::Utf16BE);
    return 2;
  }
  return 0;
}

QString TextDecoder::decode(QByteArrayView bytes) {
  if (utf16_) {
    lastLegacy_ = 0;
    return utf16_->decode(bytes);
  }
  Counts counts;
  QString text = decodeMixed(bytes, counts);
  lastLegacy_ = counts.legacy;
  legacy_ += counts.legacy;
  utf8_ += counts.utf8;
  return text;
}

QString TextDecoder::encodingName() const {
  if (utf16_) return u"UTF-16"_s;
  const QString utf8 = utf8Mark_ ? u"UTF-8 con BOM"_s : u"UTF-8"_s;
  if (legacy_ == 0) return utf8;
  if (!isMixed()) return u"Windows-1252"_s;
  return utf8 + u" e Windows-1252"_s;
}

QString decodeUtf8OrWindows1252(QByteArrayView bytes) {
  Counts counts;
  return decodeMixed(bytes, counts);
}

bool looksBinary(QStringView text) {
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r' && u != u'\f') return true;
  }
  return false;
}

}  // namespace velinda
