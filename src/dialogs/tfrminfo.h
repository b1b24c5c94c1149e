#pragma once

#include "dialogs/dialogframe.h"

namespace velinda {

// The information screen: who makes the program, and a ready-made e-mail to
// the support address.
class TfrmInfo : public DialogFrame {
  Q_OBJECT
 public:
  explicit TfrmInfo(QWidget* parent = nullptr);

  // The mailto address the link opens.
  static QUrl supportMail();
};

}  // namespace velinda
