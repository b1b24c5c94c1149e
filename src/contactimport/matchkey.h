#pragma once

#include <QString>

namespace velinda {

// A text reduced for matching names as people write them: small letters
// without accents and digits, nothing else ("E-mail", "Email" and "EMAIL"
// give "email"; "Città (uff.)" gives "cittauff").
QString matchKey(const QString& text);

}  // namespace velinda
