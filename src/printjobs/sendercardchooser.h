#pragma once

#include "printaids/aidscreen.h"

class QListView;
class QStringListModel;

namespace velinda {

// Chooses the address-book card whose address goes on envelopes as the
// sender: the cards of Anagrafica.pro by name and town, read once when the
// screen opens. Enter or a double click takes the card in the list.
class SenderCardChooser : public AidScreen {
  Q_OBJECT
 public:
  // `current` is the card chosen so far (1-based), 0 for none. Throws
  // ArchiveError when the address book cannot be read.
  explicit SenderCardChooser(int current, QWidget* parent = nullptr);

  // The card chosen (1-based), 0 for none.
  int chosen() const;

 private:
  QListView* cards_;
  QStringListModel* lines_;
};

}  // namespace velinda
