#pragma once

#include "search/searchscreen.h"

namespace velinda {

// The address-book search, over TfrmAnagrafica (tag "anagrafica").
class TfrmTrovaAnagrafica : public SearchScreen {
  Q_OBJECT
 public:
  explicit TfrmTrovaAnagrafica(QWidget* editor, QWidget* parent = nullptr)
      : SearchScreen(addressBookSearch(), editor, parent) {}
};

}  // namespace velinda
