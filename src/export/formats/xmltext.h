#pragma once

#include <QByteArray>
#include <QStringView>
#include <cstring>

namespace velinda {

// Writing texts into XML made by hand, a row at a time, into room made
// beforehand: no check per byte.
namespace XmlText {

// Characters XML 1.0 cannot carry at all.
inline bool carried(char16_t c) { return c >= 0x20 && c != 0xFFFE && c != 0xFFFF; }

struct Cursor {
  char* at;
  template <size_t N>
  void put(const char (&literal)[N]) {
    std::memcpy(at, literal, N - 1);
    at += N - 1;
  }
  void put(char c) { *at++ = c; }
  void put(const QByteArray& bytes) {
    std::memcpy(at, bytes.constData(), size_t(bytes.size()));
    at += bytes.size();
  }
};

// The most bytes one character of a text can take, escaped.
constexpr qsizetype kMostPerCharacter = 6;

// One character as UTF-8, escaped as XML text; a surrogate pair takes two
// units. Returns how many units it took.
qsizetype putCharacter(QStringView text, qsizetype i, Cursor& out);

// A whole text, escaped, with what XML cannot carry dropped.
void putText(QStringView text, Cursor& out);

// Appends a whole text, escaped, to `out`.
void append(QStringView text, QByteArray& out);

}  // namespace XmlText

}  // namespace velinda
