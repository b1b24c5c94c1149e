#include "validators/tfrmpartitaiva.h"

#include "validators/vatnumber.h"

TfrmPartitaIva::TfrmPartitaIva(QWidget* parent)
    : CheckScreen({.caption = u" Controllo partita IVA"_qs,
                   .title = u"Immettere il numero di partita IVA e premere il "
                            "pulsante di controllo."_qs,
                   .boxName = u"txtPartitaIva"_qs,
                   .boxAccessibleName = u"Partita IVA"_qs,
                   .maxLength = VatNumber::kLength,
                   .upperCase = false,
                   .digitsOnly = true,
                   .check = VatNumber::check},
                  parent) {}
