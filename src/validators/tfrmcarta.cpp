#include "validators/tfrmcarta.h"

#include "validators/cardnumber.h"

TfrmCarta::TfrmCarta(QWidget* parent)
    : CheckScreen({.caption = u" Controllo carta di credito"_qs,
                   .title = u"Immettere il numero di carta di credito e premere il "
                            "pulsante di controllo."_qs,
                   .boxName = u"txtNumero"_qs,
                   .boxAccessibleName = u"Numero di carta di credito"_qs,
                   .maxLength = CardNumber::kMaxLength,
                   .upperCase = true,
                   .digitsOnly = true,
                   .check = CardNumber::check},
                  parent) {}
