#include "print/tfrmstampaaccettazione.h"

#include "print/acceptancelayout.h"

TfrmStampaAccettazione::TfrmStampaAccettazione(QWidget* source, QWidget* parent)
    : FormPrintScreen({u" Stampa Ricevuta Accettazione"_qs,
                       u"Margini Ricevuta Accettazione"_qs,
                       {},
                       AcceptanceLayout::boxes()},
                      source, parent) {
  setObjectName(u"TfrmStampaAccettazione"_qs);
}
