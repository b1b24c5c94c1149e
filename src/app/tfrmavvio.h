#pragma once

#include "widgets/gradientwidget.h"

class WorkspaceWindow;

// The main menu: three columns of pictures, each opening one workspace, and
// the corner icons for the information, guide and splash screens and for
// leaving the program. Closing it ends the program.
class TfrmAvvio : public GradientWidget {
  Q_OBJECT
 public:
  explicit TfrmAvvio(QWidget* parent = nullptr);

  void setWorkspaces(WorkspaceWindow* anagrafica, WorkspaceWindow* accettazione,
                     WorkspaceWindow* ricevimento);

  // Shows the workspace and hides the menu; the menu comes back when the
  // workspace closes.
  void openWorkspace(WorkspaceWindow* workspace);

 signals:
  void exitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void openGuide();
  QWidget* panel_;
};
