#include "print/tfrmstamparicevimentodes.h"

#include "print/returnreceiptlayouts.h"

TfrmStampaRicevimentoDes::TfrmStampaRicevimentoDes(QWidget* source, QWidget* parent)
    : FormPrintScreen({u" Stampa Avviso di Ricevimento (Destinatario)"_qs,
                       u"Margini Avviso Ricevimento Destinatario"_qs,
                       u"Stampa Avviso Ricevimento Destinatario"_qs,
                       ReturnReceiptLayouts::recipientSide()},
                      source, parent) {
  setObjectName(u"TfrmStampaRicevimentoDes"_qs);
}
