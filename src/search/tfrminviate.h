#pragma once

#include "search/statuslistscreen.h"

namespace velinda {

// Acceptance receipts not yet sent, over TfrmAccettazione.
class TfrmInviate : public StatusListScreen {
  Q_OBJECT
 public:
  explicit TfrmInviate(QWidget* editor, QWidget* parent = nullptr)
      : StatusListScreen(unsentList(), editor, parent) {}
};

}  // namespace velinda
