#include "core/windows1252.h"

#include <QList>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace velinda {

namespace {

// Bytes 0x80-0x9F; the five bytes the code page leaves undefined map to the
// control characters of the same number, as Windows does.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Letters whose plain form Unicode does not give as a decomposition.
struct Fold {
  char16_t from;
  char to;
};
constexpr Fold kExtraFolds[] = {{0x0141, 'L'}, {0x0142, 'l'}, {0x0110, 'D'},
                                {0x0111, 'd'}, {0x0126, 'H'}, {0x0127, 'h'},
                                {0x0131, 'i'}, {0x0166, 'T'}, {0x0167, 't'}};

// The byte for a code point, or -1 when the code page has none.
int byteFor(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return int(u);
  for (int i = 0; i < 32; ++i) {
    if (kHigh[i] == u) return 0x80 + i;
  }
  return -1;
}

// Long texts are mostly plain ASCII (markup above all), which the processor
// converts eight characters at once. `eight(at)` converts the eight at
// `at`, or returns false when one of them is not ASCII; this runs it from
// the start while it succeeds, and for the last few of a run takes the last
// eight, converting again some already converted. Returns how many are done;
// the rest is the caller's.
template <typename Eight>
qsizetype inBlocksOfEight(qsizetype length, Eight eight) {
  qsizetype done = 0;
  while (length - done >= 8 && eight(done)) done += 8;
  if (done < length && length >= 8 && length - done < 8 && eight(length - 8)) done = length;
  return done;
}

#if defined(__SSE2__)
qsizetype narrowAscii(const char16_t* from, qsizetype length, char* out) {
  return inBlocksOfEight(length, [&](qsizetype at) {
    const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + at));
    const __m128i outside = _mm_and_si128(units, _mm_set1_epi16(short(0xFF80)));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(outside, _mm_setzero_si128())) != 0xFFFF) return false;
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + at), _mm_packus_epi16(units, units));
    return true;
  });
}

qsizetype widenAscii(const char* from, qsizetype length, char16_t* out) {
  return inBlocksOfEight(length, [&](qsizetype at) {
    const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(from + at));
    if (_mm_movemask_epi8(bytes) != 0) return false;  // a byte above 0x7F
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at),
                     _mm_unpacklo_epi8(bytes, _mm_setzero_si128()));
    return true;
  });
}
#else
// Elsewhere every character takes the plain way.
qsizetype narrowAscii(const char16_t*, qsizetype, char*) { return 0; }
qsizetype widenAscii(const char*, qsizetype, char16_t*) { return 0; }
#endif

int closeLetterFor(char32_t u) {
  if (u > 0xFFFF) return -1;
  const QChar c{char16_t(u)};
  if (c.decompositionTag() == QChar::Canonical) {
    const QString parts = c.decomposition();
    if (!parts.isEmpty()) {
      const int b = byteFor(parts.at(0).unicode());
      if (b >= 0 && QChar(parts.at(0)).isLetter()) return b;
    }
  }
  for (const Fold& f : kExtraFolds) {
    if (f.from == u) return f.to;
  }
  return -1;
}

}  // namespace

namespace Windows1252 {

QString decode(const char* bytes, qsizetype length) {
  QString out(length, Qt::Uninitialized);
  decodeTo(bytes, length, reinterpret_cast<char16_t*>(out.data()));
  return out;
}

char16_t* decodeTo(const char* bytes, qsizetype length, char16_t* out) {
  for (qsizetype i = widenAscii(bytes, length, out); i < length; ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    out[i] = (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char16_t(b);
  }
  return out + length;
}

QString decode(const QByteArray& bytes) { return decode(bytes.constData(), bytes.size()); }

QByteArray encode(const QString& text) {
  QByteArray out(text.size(), Qt::Uninitialized);  // never more than a byte per unit
  out.truncate(encodeTo(text, out.data()) - out.constData());
  return out;
}

char* encodeTo(QStringView text, char* out) {
  const char16_t* from = text.utf16();
  const char16_t* end = from + text.size();
  while (from < end) {
    const qsizetype ascii = narrowAscii(from, end - from, out);
    from += ascii;
    out += ascii;
    if (from == end) break;
    const char16_t c = *from++;
    // In ASCII and Latin-1 the byte is the code.
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      *out++ = char(c);
      continue;
    }
    char32_t u = c;
    if (QChar::isHighSurrogate(c) && from < end && QChar::isLowSurrogate(*from))
      u = QChar::surrogateToUcs4(c, *from++);
    int b = byteFor(u);
    if (b < 0) b = closeLetterFor(u);
    *out++ = b < 0 ? '?' : char(b);
  }
  return out;
}

}  // namespace Windows1252

}  // namespace velinda
