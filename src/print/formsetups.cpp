#include "print/formsetups.h"

#include "print/acceptancelayout.h"
#include "print/returnreceiptlayouts.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace FormSetups {

const FormPrintSetup& acceptance() {
  static const FormPrintSetup setup{u"Ricevuta Accettazione"_s,
                                    u"Margini Ricevuta Accettazione"_s,
                                    {},
                                    AcceptanceLayout::boxes()};
  return setup;
}

const FormPrintSetup& recipientSide() {
  static const FormPrintSetup setup{
      u"Avviso di Ricevimento (Destinatario)"_s, u"Margini Avviso Ricevimento Destinatario"_s,
      u"Stampa Avviso Ricevimento Destinatario"_s, ReturnReceiptLayouts::recipientSide(), true};
  return setup;
}

const FormPrintSetup& senderSide() {
  static const FormPrintSetup setup{
      u"Avviso di Ricevimento (Mittente)"_s, u"Margini Avviso Ricevimento Mittente"_s,
      u"Stampa Avviso Ricevimento Mittente"_s, ReturnReceiptLayouts::senderSide(), true};
  return setup;
}

}  // namespace FormSetups

}  // namespace velinda
