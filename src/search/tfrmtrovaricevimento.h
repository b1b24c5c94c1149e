#pragma once

#include "search/searchscreen.h"

namespace velinda {

// The return-receipt search, over TfrmRicevimento (tag "ricevimento").
class TfrmTrovaRicevimento : public SearchScreen {
  Q_OBJECT
 public:
  explicit TfrmTrovaRicevimento(QWidget* editor, QWidget* parent = nullptr)
      : SearchScreen(returnReceiptSearch(), editor, parent) {}
};

}  // namespace velinda
