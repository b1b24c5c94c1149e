#pragma once

#include "print/formprintscreen.h"

// Prints the acceptance receipt shown on `source` (the acceptance screen)
// onto the pre-printed form, always upright.
class TfrmStampaAccettazione : public FormPrintScreen {
  Q_OBJECT
 public:
  explicit TfrmStampaAccettazione(QWidget* source, QWidget* parent = nullptr);
};
