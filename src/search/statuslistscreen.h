#pragma once

#include "dialogs/dialogframe.h"
#include "records/listkinds.h"

namespace velinda {

class ListPanel;
struct FormBatch;

// A list of the records that still wait for something (not sent, not
// delivered, pending matters). Shown modally over its editor; a double
// click on a line loads that record into the editor and closes the list.
class StatusListScreen : public DialogFrame {
  Q_OBJECT
 public:
  StatusListScreen(const StatusListKind& kind, QWidget* editor, QWidget* parent);

  ListPanel* panel() const { return panel_; }

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void loadLines();
  void openChosenLine();
  // "Stampa moduli": the forms of the listed records, in one go.
  void addFormPrinting(const FormBatch& batch);

  const StatusListKind& kind_;
  QWidget* editor_;
  ListPanel* panel_;
};

}  // namespace velinda
