#pragma once

#include <QString>

#include "validators/checkreport.h"

namespace velinda {

// A credit-card number: the Luhn check digit and the network named by the
// leading digits. No length is required.
namespace CardNumber {

inline constexpr int kMaxLength = 30;
// Digits beyond this many characters of the text are not seen.
inline constexpr int kCharactersRead = 20;

// The digits among the first 20 characters, in order; blanks, dashes and
// other signs are skipped.
QString digitsOf(const QString& text);

// The last digit is the Luhn check digit of the others. No digits fail.
bool passesLuhn(const QString& digits);

struct Network {
  bool isCardClass = false;  // the first digit is 3, 4, 5 or 6
  QString name;              // empty when the leading characters name none
};

// The class comes from the number's first digit; within class 3 the first
// two characters of the trimmed text decide.
Network networkOf(const QString& digits, const QString& trimmedText);

CheckReport check(const QString& text);

}  // namespace CardNumber

}  // namespace velinda
