#pragma once

#include <array>

#include "archive/archivekinds.h"
#include "dialogs/dialogframe.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace velinda {

// "Allega file": up to three files attached to the card of the workspace
// that opens it, each with a description. Browsing copies the chosen file
// into the attachment folder at once; "Applica e chiudi" hands the six
// references back to the workspace's hidden labels lblFile01-03 and
// lblDesc01-03, "Annulla" leaves them alone.
class TfrmAllegaCartella : public DialogFrame {
  Q_OBJECT
 public:
  // `editor` is the workspace whose hidden labels are read and written.
  explicit TfrmAllegaCartella(QWidget* editor, QWidget* parent = nullptr);

  // The opener's word ("accettazione", "anagrafica"), kept in lblMemory.
  void setTag(const QString& tag);

  // Fills the six boxes from the workspace's labels, trimmed.
  void loadFromEditor();

  // What a workspace's "Allega file" button does: a fresh screen owned by
  // the workspace, tagged, filled, shown modally and destroyed.
  static void openFor(QWidget* editor, ArchiveKind archive);

 private:
  struct SlotControls {
    QLineEdit* file = nullptr;
    QLineEdit* description = nullptr;
    QPushButton* browse = nullptr;
    QPushButton* open = nullptr;
  };

  void buildSlot(int index, int top, QWidget* parent);
  // Warns and answers true when the name is not a bare file name of the
  // attachment folder.
  bool refusesName(const QString& name);
  void browse(int index);
  void openAttachment(int index);
  void applyAndClose();

  QWidget* editor_;
  QLabel* lblMemory_ = nullptr;
  std::array<SlotControls, 3> slotControls_;
  QPushButton* btnApplica_ = nullptr;
  QPushButton* btnAnnulla_ = nullptr;
};

}  // namespace velinda
