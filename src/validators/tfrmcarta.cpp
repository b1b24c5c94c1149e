#include "validators/tfrmcarta.h"

#include "validators/cardnumber.h"

namespace velinda {

using namespace Qt::StringLiterals;

TfrmCarta::TfrmCarta(QWidget* parent)
    : CheckScreen({.caption = u" Controllo carta di credito"_s,
                   .title = u"Immettere il numero di carta di credito e premere il "
                            "pulsante di controllo."_s,
                   .boxName = u"txtNumero"_s,
                   .boxAccessibleName = u"Numero di carta di credito"_s,
                   .maxLength = CardNumber::kMaxLength,
                   .upperCase = true,
                   .digitsOnly = true,
                   .check = CardNumber::check},
                  parent) {}

}  // namespace velinda
