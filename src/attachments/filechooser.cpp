#include "attachments/filechooser.h"

#include <QFileDialog>
#include <memory>

namespace {
FileChooser* installedChooser = nullptr;
}  // namespace

QFileDialog* DialogFileChooser::createDialog(QWidget* parent) {
  auto* dialog = new QFileDialog(parent, u"Selezionare il file da allegare:"_qs);
  dialog->setObjectName(u"dlgFile"_qs);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  // "*.*" alone would hide every file without an extension here, so the
  // pattern really used is "*"; with the details hidden the user still reads
  // "Tutti i file (*.*)". Qt's own dialog is the one that honours this (and
  // speaks Italian with the program's translation).
  dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog->setNameFilter(u"Tutti i file (*.*) (*)"_qs);
  return dialog;
}

QString DialogFileChooser::chooseFile(QWidget* parent) {
  std::unique_ptr<QFileDialog> dialog(createDialog(parent));
  if (dialog->exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog->selectedFiles();
  return chosen.isEmpty() ? QString() : chosen.first();
}

namespace FileChoosers {

FileChooser& current() {
  static DialogFileChooser real;
  return installedChooser ? *installedChooser : real;
}

void install(FileChooser* chooser) { installedChooser = chooser; }

}  // namespace FileChoosers
