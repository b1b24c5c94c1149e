#pragma once

#include <QString>
#include <QStringView>

#include "validators/checkreport.h"

namespace velinda {

// The Italian VAT number (partita IVA): 11 digits, the last a check digit;
// digits 8 to 10 name the VAT office that issued it.
namespace VatNumber {

inline constexpr int kLength = 11;

// True when all 11 characters are digits and the last one is the check
// digit of the first ten.
bool hasValidCheckDigit(const QString& number);

// Digits 8 to 10 of the number.
QString officeCode(const QString& number);

// The office for a three-digit code, or an empty text for a code that names
// none.
QString officeName(QStringView code);

// A text of 11 characters that are not all digits is a wrong number, not a
// length problem.
CheckReport check(const QString& number);

}  // namespace VatNumber

}  // namespace velinda
