#pragma once

#include "validators/checkscreen.h"

namespace velinda {

// Tells whether a codice fiscale carries the right check letter.
class TfrmCodFisc : public CheckScreen {
  Q_OBJECT
 public:
  explicit TfrmCodFisc(QWidget* parent = nullptr);
};

}  // namespace velinda
