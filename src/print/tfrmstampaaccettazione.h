#pragma once

#include "print/formprintscreen.h"

namespace velinda {

// Prints an acceptance receipt onto the pre-printed form, always upright,
// from the texts its opener took from the acceptance screen.
class TfrmStampaAccettazione : public FormPrintScreen {
  Q_OBJECT
 public:
  // `texts` holds the controls reads() names.
  explicit TfrmStampaAccettazione(FormTexts texts, QWidget* parent = nullptr);

  static FormControls reads();
};

}  // namespace velinda
