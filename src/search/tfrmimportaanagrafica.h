#pragma once

#include "search/searchscreen.h"

namespace velinda {

// The address-book search opened from a receipt's import button: a double
// click copies the card's name and address into the receipt block that the
// tag names ("accettazione_des", "accettazione_mit", "ricevimento_des",
// "ricevimento_mit") and leaves the rest of the receipt alone.
class TfrmImportaAnagrafica : public SearchScreen {
  Q_OBJECT
 public:
  explicit TfrmImportaAnagrafica(QWidget* editor, QWidget* parent = nullptr);

 protected:
  void openRecord(const TScheda& card, int position) override;
};

}  // namespace velinda
