#pragma once

#include "widgets/gradientwidget.h"

namespace velinda {

class WorkspaceWindow;

// The main menu: three columns of pictures, each opening one workspace, and
// the corner icons for the information, guide and splash screens and for
// leaving the program. Closing it ends the program. From the keyboard, Tab
// and the arrow keys go from entry to entry, Enter or Space opens one, and
// each entry has a key of its own, shown in its tooltip.
class TfrmAvvio : public GradientWidget {
  Q_OBJECT
 public:
  explicit TfrmAvvio(QWidget* parent = nullptr);

  // The workspace opens from the column of its archive. An archive without
  // a column raises UnknownName.
  void addWorkspace(WorkspaceWindow* workspace);

  // Shows the workspace and hides the menu; the menu comes back when the
  // workspace closes.
  void openWorkspace(WorkspaceWindow* workspace);

 signals:
  void exitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void openGuide();
  QWidget* panel_;
  QWidget* firstEntry_ = nullptr;
};

}  // namespace velinda
