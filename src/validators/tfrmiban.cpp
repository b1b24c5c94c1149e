#include "validators/tfrmiban.h"

#include "validators/iban.h"

namespace velinda {

using namespace Qt::StringLiterals;

TfrmIban::TfrmIban(QWidget* parent)
    : CheckScreen({.caption = u" Controllo IBAN"_s,
                   .title = u"Immettere l'IBAN e premere il pulsante di controllo."_s,
                   .boxName = u"txtIban"_s,
                   .boxAccessibleName = u"IBAN"_s,
                   .maxLength = Iban::kLength,
                   .upperCase = true,
                   .digitsOnly = false,
                   .check = Iban::check},
                  parent) {}

}  // namespace velinda
