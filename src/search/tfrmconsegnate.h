#pragma once

#include "search/statuslistscreen.h"

namespace velinda {

// Return receipts not yet delivered, over TfrmRicevimento.
class TfrmConsegnate : public StatusListScreen {
  Q_OBJECT
 public:
  explicit TfrmConsegnate(QWidget* editor, QWidget* parent = nullptr)
      : StatusListScreen(undeliveredList(), editor, parent) {}
};

}  // namespace velinda
