#include "contactimport/certifiedmail.h"

#include <QStringList>

#include "core/text.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// Domains of the providers of certified mail whose addresses carry no
// "pec" part of their own.
const QStringList kProviderDomains = {u"legalmail.it"_s, u"arubapec.it"_s, u"postecert.it"_s,
                                      u"sicurezzapostale.it"_s};

}  // namespace

bool isCertifiedMail(const QString& address) {
  const qsizetype at = address.lastIndexOf(u'@');
  if (at < 0) return false;
  const QString domain = Text::lowerAscii(Text::trimmed(address.mid(at + 1)));
  for (const QString& provider : kProviderDomains) {
    if (domain == provider || domain.endsWith(u'.' + provider)) return true;
  }
  return domain.split(u'.').contains(u"pec"_s);
}

}  // namespace velinda
