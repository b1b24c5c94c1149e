#pragma once

#include "editors/workspacewindow.h"

namespace velinda {

// The return-receipt workspace: both faces of the postal return receipt on
// one sheet (the label number, the kind of item, the recipient and the
// sender to whom the signed receipt goes back), the date, the office, the
// contents and the mark that the letter has been delivered.
class TfrmRicevimento : public WorkspaceWindow {
  Q_OBJECT
 public:
  explicit TfrmRicevimento(QWidget* parent = nullptr);
};

}  // namespace velinda
