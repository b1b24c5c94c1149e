#pragma once

#include "print/formprintscreen.h"

// Prints the sender side of the return receipt shown on `source` (the
// return-receipt screen), upright or sideways as chosen.
class TfrmStampaRicevimentoMit : public FormPrintScreen {
  Q_OBJECT
 public:
  explicit TfrmStampaRicevimentoMit(QWidget* source, QWidget* parent = nullptr);
};
