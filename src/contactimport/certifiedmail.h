#pragma once

#include <QString>

namespace velinda {

// Whether an e-mail address is a certified one (PEC) by its domain: one of
// the certified-mail providers' domains, or a domain with a part that is
// "pec" itself ("pec.it", "comune.example@pec.regione.it"), as the public
// offices and the providers name them. A domain that only starts with the
// letters ("pecorinoromano.com") is not one.
bool isCertifiedMail(const QString& address);

}  // namespace velinda
