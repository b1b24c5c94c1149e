#include "validators/tfrmiban.h"

#include "validators/iban.h"

TfrmIban::TfrmIban(QWidget* parent)
    : CheckScreen({.caption = u" Controllo IBAN"_qs,
                   .title = u"Immettere l'IBAN e premere il pulsante di controllo."_qs,
                   .boxName = u"txtIban"_qs,
                   .boxAccessibleName = u"IBAN"_qs,
                   .maxLength = Iban::kLength,
                   .upperCase = true,
                   .digitsOnly = false,
                   .check = Iban::check},
                  parent) {}
