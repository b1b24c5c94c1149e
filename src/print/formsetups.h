#pragma once

#include <QString>
#include <span>

#include "print/formlayout.h"

namespace velinda {

// What sets the printing of one pre-printed form apart from the others: its
// name, where its offsets (and orientation) are kept in Impostazioni.ini,
// and its layout.
struct FormPrintSetup {
  QString formName;  // "Ricevuta Accettazione"
  QString marginSection;
  QString orientationSection;  // empty: the form always prints upright
  std::span<const FormBox> layout;
  // The form is a card smaller than the A4 sheet it is printed as.
  bool smallerThanPaper = false;

  // The controls of the card's screen the form reads.
  FormControls controls() const { return FormLayout::controls(layout); }

  // The print screen's caption.
  QString caption() const {
    using namespace Qt::StringLiterals;
    return u" Stampa "_s + formName;
  }
};

namespace FormSetups {
const FormPrintSetup& acceptance();     // the acceptance receipt
const FormPrintSetup& recipientSide();  // the return receipt, recipient side
const FormPrintSetup& senderSide();     // the return receipt, sender side
}  // namespace FormSetups

}  // namespace velinda
