#include "validators/taxcoderouting.h"

#include "core/text.h"

namespace velinda {

namespace TaxCodeRouting {

Route route(const QString& taxCodeBox) {
  const QString code = Text::trimmed(taxCodeBox);
  // The digits test holds for the empty text too, so emptiness comes first.
  if (!code.isEmpty() && Text::isAsciiDigits(code)) return {Screen::VatNumber, code};
  return {Screen::TaxCode, code};
}

}  // namespace TaxCodeRouting

}  // namespace velinda
