#pragma once

#include "search/statuslistscreen.h"

namespace velinda {

// Address-book cards with pending matters, over TfrmAnagrafica.
class TfrmQuestioni : public StatusListScreen {
  Q_OBJECT
 public:
  explicit TfrmQuestioni(QWidget* editor, QWidget* parent = nullptr)
      : StatusListScreen(pendingMattersList(), editor, parent) {}
};

}  // namespace velinda
