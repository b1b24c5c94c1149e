#pragma once

#include "dialogs/dialogframe.h"

namespace velinda {

// The maker's presentation picture, with a link to the web site.
class TfrmSplash : public DialogFrame {
  Q_OBJECT
 public:
  explicit TfrmSplash(QWidget* parent = nullptr);
};

}  // namespace velinda
