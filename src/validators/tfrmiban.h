#pragma once

#include "validators/checkscreen.h"

namespace velinda {

// Tells whether an IBAN passes the mod 97 test.
class TfrmIban : public CheckScreen {
  Q_OBJECT
 public:
  explicit TfrmIban(QWidget* parent = nullptr);
};

}  // namespace velinda
