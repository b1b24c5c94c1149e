#include "validators/vatnumber.h"

#include "core/text.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace VatNumber {

bool hasValidCheckDigit(const QString& number) {
  if (number.size() != kLength || !Text::isAsciiDigits(number)) return false;
  int sum = 0;
  for (int i = 0; i < kLength - 1; ++i) {
    int digit = number[i].unicode() - u'0';
    // Positions count from 1: index 1, 3, ... are the even positions, whose
    // doubled digit counts as the sum of its own two digits.
    if (i % 2 == 1) {
      digit *= 2;
      if (digit > 9) digit -= 9;
    }
    sum += digit;
  }
  const int expected = (10 - sum % 10) % 10;
  return number.back().unicode() - u'0' == expected;
}

QString officeCode(const QString& number) { return number.mid(7, 3); }

CheckReport check(const QString& number) {
  if (number.size() != kLength)
    return {CheckReport::Verdict::Unusable,
            u"Attenzione: la partita IVA deve essere composta da 11 caratteri "
            "numerici."_s};
  if (!hasValidCheckDigit(number))
    return {CheckReport::Verdict::Wrong,
            u"Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
            "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
            "che lo ha rilasciato."_s};
  return {CheckReport::Verdict::Valid,
          u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
          "E' stato rilasciato dall'Ufficio IVA del Comune di "_s +
              officeName(officeCode(number)) + u'.'};
}

}  // namespace VatNumber

}  // namespace velinda
