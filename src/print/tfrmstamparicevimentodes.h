#pragma once

#include "print/formprintscreen.h"

// Prints the recipient side of the return receipt shown on `source` (the
// return-receipt screen), upright or sideways as chosen.
class TfrmStampaRicevimentoDes : public FormPrintScreen {
  Q_OBJECT
 public:
  explicit TfrmStampaRicevimentoDes(QWidget* source, QWidget* parent = nullptr);
};
