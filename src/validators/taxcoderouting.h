#pragma once

#include <QString>

namespace velinda {

// The address book's tax-code button: an all-digit code is a firm's numeric
// tax code, which is checked as a VAT number; anything else, or nothing, goes
// to the tax-code check.
namespace TaxCodeRouting {

enum class Screen { TaxCode, VatNumber };

struct Route {
  Screen screen;
  QString text;  // what goes into the check screen's box
};

// `taxCodeBox` is the address book's tax-code box as it stands.
Route route(const QString& taxCodeBox);

}  // namespace TaxCodeRouting

}  // namespace velinda
