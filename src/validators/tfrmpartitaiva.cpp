#include "validators/tfrmpartitaiva.h"

#include "validators/vatnumber.h"

namespace velinda {

using namespace Qt::StringLiterals;

TfrmPartitaIva::TfrmPartitaIva(QWidget* parent)
    : CheckScreen({.caption = u" Controllo partita IVA"_s,
                   .title = u"Immettere il numero di partita IVA e premere il "
                            "pulsante di controllo."_s,
                   .boxName = u"txtPartitaIva"_s,
                   .boxAccessibleName = u"Partita IVA"_s,
                   .maxLength = VatNumber::kLength,
                   .upperCase = false,
                   .digitsOnly = true,
                   .check = VatNumber::check},
                  parent) {}

}  // namespace velinda
