#include "print/formsetups.h"

#include "print/acceptancelayout.h"
#include "print/returnreceiptlayouts.h"

namespace FormSetups {

const FormPrintSetup& acceptance() {
  static const FormPrintSetup setup{u"Ricevuta Accettazione"_qs,
                                    u"Margini Ricevuta Accettazione"_qs,
                                    {},
                                    AcceptanceLayout::boxes()};
  return setup;
}

const FormPrintSetup& recipientSide() {
  static const FormPrintSetup setup{u"Avviso di Ricevimento (Destinatario)"_qs,
                                    u"Margini Avviso Ricevimento Destinatario"_qs,
                                    u"Stampa Avviso Ricevimento Destinatario"_qs,
                                    ReturnReceiptLayouts::recipientSide()};
  return setup;
}

const FormPrintSetup& senderSide() {
  static const FormPrintSetup setup{u"Avviso di Ricevimento (Mittente)"_qs,
                                    u"Margini Avviso Ricevimento Mittente"_qs,
                                    u"Stampa Avviso Ricevimento Mittente"_qs,
                                    ReturnReceiptLayouts::senderSide()};
  return setup;
}

}  // namespace FormSetups
