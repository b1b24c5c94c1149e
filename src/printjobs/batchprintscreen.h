#pragma once

#include <QList>
#include <QStringList>
#include <memory>
#include <vector>

#include "printaids/aidscreen.h"
#include "printjobs/formbatch.h"

class QRadioButton;

namespace velinda {

class ProgressStrip;

// Prints, through one print dialog, the forms of the records a status list
// shows: all of them or the lines selected, one after another, each form
// with the offsets and orientation stored for it; for return receipts, the
// sides and their order as chosen. Nothing is written to the archive.
class BatchPrintScreen : public AidScreen {
  Q_OBJECT
 public:
  // `selected` are the rows of `lines` chosen in the list.
  BatchPrintScreen(const FormBatch& batch, QStringList lines, QList<int> selected,
                   QWidget* parent = nullptr);

  // The pages "Stampa" would print now, made as they are asked for; none
  // when the user has been told why there are none.
  std::unique_ptr<FormPages> preparedPages();

 private:
  void buildControls();
  SideOrder sideOrder() const;
  void preview();
  void print();

  const FormBatch& batch_;
  QStringList lines_;
  QList<int> selected_;
  QRadioButton* onlySelected_ = nullptr;
  QList<QRadioButton*> orders_;  // return receipts only
  ProgressStrip* progress_ = nullptr;
};

}  // namespace velinda
