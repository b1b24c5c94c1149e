#include "validators/tfrmcodfisc.h"

#include "validators/taxcode.h"

TfrmCodFisc::TfrmCodFisc(QWidget* parent)
    : CheckScreen({.caption = u" Controllo codice fiscale"_qs,
                   .title = u"Immettere il codice fiscale e premere il pulsante di controllo."_qs,
                   .boxName = u"txtCodFisc"_qs,
                   .boxAccessibleName = u"Codice fiscale"_qs,
                   .maxLength = TaxCode::kLength,
                   .upperCase = true,
                   .digitsOnly = false,
                   .check = TaxCode::check},
                  parent) {}
