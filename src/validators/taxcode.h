#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include "validators/checkreport.h"

namespace velinda {

// The Italian personal tax code (codice fiscale): 16 characters, the last a
// check letter computed from the other fifteen.
namespace TaxCode {

inline constexpr int kLength = 16;

// The check letter for the first 15 characters of a code made of the digits
// 0-9 and the capitals A-Z.
QChar checkLetter(QStringView code);

// Small letters count as capitals. Only the check letter is tested, not where
// letters and digits stand.
CheckReport check(const QString& code);

}  // namespace TaxCode

}  // namespace velinda
