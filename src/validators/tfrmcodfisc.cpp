#include "validators/tfrmcodfisc.h"

#include "validators/taxcode.h"

namespace velinda {

using namespace Qt::StringLiterals;

TfrmCodFisc::TfrmCodFisc(QWidget* parent)
    : CheckScreen({.caption = u" Controllo codice fiscale"_s,
                   .title = u"Immettere il codice fiscale e premere il pulsante di controllo."_s,
                   .boxName = u"txtCodFisc"_s,
                   .boxAccessibleName = u"Codice fiscale"_s,
                   .maxLength = TaxCode::kLength,
                   .upperCase = true,
                   .digitsOnly = false,
                   .check = TaxCode::check},
                  parent) {}

}  // namespace velinda
