#include "app/password/passwordcipher.h"

#include <cstdint>

namespace velinda {

namespace {

constexpr std::uint16_t kStartKey = 9583;
constexpr std::uint16_t kMultiplier = 58294;
constexpr std::uint16_t kAddend = 47381;

// The key wraps around at 16 bits, and it is the scrambled byte, not the
// plain one, that moves it on: unscrambling can then follow the same keys.
// The product does not fit a signed int (it would overflow there), so it
// is worked out in unsigned 32 bits, where wrapping is defined.
std::uint16_t nextKey(std::uint16_t key, std::uint8_t scrambledByte) {
  const std::uint32_t sum = std::uint32_t{scrambledByte} + key;
  return std::uint16_t(sum * kMultiplier + kAddend);
}

std::uint8_t mask(std::uint16_t key) { return std::uint8_t(key >> 8); }

int hexDigit(QChar c) {
  if (c >= u'0' && c <= u'9') return c.unicode() - '0';
  if (c >= u'A' && c <= u'F') return c.unicode() - 'A' + 10;
  if (c >= u'a' && c <= u'f') return c.unicode() - 'a' + 10;
  return -1;
}

}  // namespace

namespace PasswordCipher {

QString scramble(const QString& password) {
  QString stored;
  stored.reserve(password.size() * 2);
  std::uint16_t key = kStartKey;
  for (QChar c : password) {
    const auto x = std::uint8_t((c.unicode() & 0xFF) ^ mask(key));
    stored += QStringLiteral("%1").arg(x, 2, 16, QChar(u'0')).toUpper();
    key = nextKey(key, x);
  }
  return stored;
}

QString unscramble(const QString& stored) {
  QString password;
  std::uint16_t key = kStartKey;
  for (qsizetype i = 0; i + 1 < stored.size(); i += 2) {
    const int high = hexDigit(stored.at(i));
    const int low = hexDigit(stored.at(i + 1));
    if (high < 0 || low < 0)
      throw PasswordFormatError("Not a hexadecimal pair: " + stored.mid(i, 2).toStdString());
    const auto x = std::uint8_t(high * 16 + low);
    password += QChar(ushort(x ^ mask(key)));
    key = nextKey(key, x);
  }
  return password;
}

}  // namespace PasswordCipher

}  // namespace velinda
