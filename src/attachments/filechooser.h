#pragma once

#include <QString>

class QFileDialog;
class QWidget;

// Asks the user for one existing file to attach. Behind an interface so that
// tests can answer without a dialog on screen.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The full path of the chosen file; empty when the user cancels.
  virtual QString chooseFile(QWidget* parent) = 0;
};

// The open-file dialog `dlgFile`.
class DialogFileChooser : public FileChooser {
 public:
  QString chooseFile(QWidget* parent) override;

  // The dialog as it is shown, built apart so that its setup can be checked.
  static QFileDialog* createDialog(QWidget* parent);
};

// The chooser the attachments screen uses: the installed one, or the real
// dialog when none is installed.
namespace FileChoosers {
FileChooser& current();
void install(FileChooser* chooser);
}  // namespace FileChoosers
