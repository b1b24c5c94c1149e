#pragma once

#include <QString>

#include "validators/checkreport.h"

namespace velinda {

// An Italian bank account number in IBAN form: 27 characters whose check
// digits make the whole code pass the mod 97-10 test.
namespace Iban {

inline constexpr int kLength = 27;

// Blanks removed, capitals, the first "IBAN" dropped, the first four
// characters moved to the end, letters turned into numbers: the code passes
// when the remainder by 97 is 1. A character that is neither a digit nor a
// letter A-Z makes it fail.
bool passesMod97(const QString& code);

// Only the length (blanks inside count) and the remainder are tested, so a
// foreign code of 27 characters that passes is valid too.
CheckReport check(const QString& code);

}  // namespace Iban

}  // namespace velinda
