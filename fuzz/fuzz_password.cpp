// The password store's value as anyone with access to the folder may have
// left it: unscrambling either fails cleanly or gives a password that
// scrambles back to the same digits; any text scrambles and unscrambles back.
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "app/password/passwordcipher.h"

using namespace velinda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
  try {
    const QString password = PasswordCipher::unscramble(text);
    if (password.size() != text.size() / 2) std::abort();
    if (PasswordCipher::scramble(password) != text.left(password.size() * 2).toUpper())
      std::abort();
  } catch (const PasswordFormatError&) {
  }

  const QString scrambled = PasswordCipher::scramble(text);
  if (scrambled.size() != text.size() * 2 || PasswordCipher::unscramble(scrambled) != text)
    std::abort();
  return 0;
}
