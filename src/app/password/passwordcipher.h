#pragma once

#include <QString>
#include <stdexcept>

namespace velinda {

// A stored password text that is not made of hexadecimal digit pairs.
class PasswordFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The reversible scrambling that keeps the password from being read at a
// glance in its store. Each character becomes one byte (the low byte of its
// code), written as two upper-case hexadecimal digits; the key that hides a
// byte depends on every scrambled byte before it.
namespace PasswordCipher {

QString scramble(const QString& password);

// A lone trailing digit is ignored; either letter case is read.
// Throws PasswordFormatError on a pair that is not hexadecimal.
QString unscramble(const QString& stored);

}  // namespace PasswordCipher

}  // namespace velinda
