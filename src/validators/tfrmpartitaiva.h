#pragma once

#include "validators/checkscreen.h"

namespace velinda {

// Tells whether a partita IVA is valid and, if so, which office issued it.
class TfrmPartitaIva : public CheckScreen {
  Q_OBJECT
 public:
  explicit TfrmPartitaIva(QWidget* parent = nullptr);
};

}  // namespace velinda
