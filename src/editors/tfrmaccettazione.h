#pragma once

#include "editors/workspacewindow.h"

namespace velinda {

// The acceptance-receipt workspace: the recipient, sender and accessory
// services of the postal acceptance form, the date, the contents and the
// mark that the letter has been sent.
class TfrmAccettazione : public WorkspaceWindow {
  Q_OBJECT
 public:
  explicit TfrmAccettazione(QWidget* parent = nullptr);
};

}  // namespace velinda
