#include "print/tfrmstamparicevimentomit.h"

#include "print/returnreceiptlayouts.h"

TfrmStampaRicevimentoMit::TfrmStampaRicevimentoMit(QWidget* source, QWidget* parent)
    : FormPrintScreen({u" Stampa Avviso di Ricevimento (Mittente)"_qs,
                       u"Margini Avviso Ricevimento Mittente"_qs,
                       u"Stampa Avviso Ricevimento Mittente"_qs,
                       ReturnReceiptLayouts::senderSide()},
                      source, parent) {
  setObjectName(u"TfrmStampaRicevimentoMit"_qs);
}
