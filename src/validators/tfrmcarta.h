#pragma once

#include "validators/checkscreen.h"

namespace velinda {

// Tells whether a credit-card number passes the Luhn test and names its network.
class TfrmCarta : public CheckScreen {
  Q_OBJECT
 public:
  explicit TfrmCarta(QWidget* parent = nullptr);
};

}  // namespace velinda
