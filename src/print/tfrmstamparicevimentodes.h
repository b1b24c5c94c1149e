#pragma once

#include "print/formprintscreen.h"

namespace velinda {

// Prints the recipient side of a return receipt, upright or sideways as
// chosen, from the texts its opener took from the return-receipt screen.
class TfrmStampaRicevimentoDes : public FormPrintScreen {
  Q_OBJECT
 public:
  // `texts` holds the controls reads() names.
  explicit TfrmStampaRicevimentoDes(FormTexts texts, QWidget* parent = nullptr);

  static FormControls reads();
};

}  // namespace velinda
