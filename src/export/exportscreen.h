#pragma once

#include "dialogs/dialogframe.h"
#include "export/exporttables.h"
#include "export/formats/sheetcontent.h"

class QLabel;
class QTableView;

namespace velinda {

class ExportGridModel;
class ProgressStrip;

// The export screen of one archive: the whole archive in the grid
// `grdRecords`, read once when the screen is first shown, and the button
// `cmdEsporta`, which writes the grid's cells (edited or not) to the
// archive's spreadsheet file beside the program. The archive itself is
// never written. `cmdSalvaCome` saves the same cells, through a save
// dialog, in an open format of the user's choice.
class ExportScreen : public DialogFrame {
  Q_OBJECT
 public:
  ExportScreen(const ExportTable& table, QWidget* parent);

  const ExportTable& table() const { return table_; }
  // The grid's headers and cells as the user sees them, typed cells included.
  const ExportGridModel& grid() const { return *model_; }

  // The full path of the spreadsheet file.
  QString outputPath() const;

  void fillGrid();
  void exportSpreadsheet();
  void saveAs();

  // What "Salva come..." saves (gridSheet): read from the grid while the
  // file is written, so the screen must outlive it.
  SheetContent sheetContent() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildControls();
  void buildGrid(QWidget* panel);
  void commitPendingEdit();
  void writeDocument();
  void openGuide();

  const ExportTable& table_;
  ExportGridModel* model_ = nullptr;
  QTableView* grid_ = nullptr;
  QLabel* info_ = nullptr;
  ProgressStrip* progress_ = nullptr;
  bool filled_ = false;
};

}  // namespace velinda
