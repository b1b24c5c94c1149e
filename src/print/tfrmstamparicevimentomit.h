#pragma once

#include "print/formprintscreen.h"

namespace velinda {

// Prints the sender side of a return receipt, upright or sideways as
// chosen, from the texts its opener took from the return-receipt screen.
class TfrmStampaRicevimentoMit : public FormPrintScreen {
  Q_OBJECT
 public:
  // `texts` holds the controls reads() names.
  explicit TfrmStampaRicevimentoMit(FormTexts texts, QWidget* parent = nullptr);

  static FormControls reads();
};

}  // namespace velinda
