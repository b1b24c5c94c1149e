#pragma once

#include "search/searchscreen.h"

namespace velinda {

// The acceptance-receipt search, over TfrmAccettazione (tag "accettazione").
class TfrmTrovaAccettazione : public SearchScreen {
  Q_OBJECT
 public:
  explicit TfrmTrovaAccettazione(QWidget* editor, QWidget* parent = nullptr)
      : SearchScreen(acceptanceSearch(), editor, parent) {}
};

}  // namespace velinda
