#include "platform/filechooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <memory>

#include "platform/installed.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {
FileAnswer ask(QFileDialog* shown, const QStringList& filters) {
  std::unique_ptr<QFileDialog> dialog(shown);
  if (dialog->exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog->selectedFiles();
  if (chosen.isEmpty()) return {};
  return {chosen.first(), int(qMax<qsizetype>(0, filters.indexOf(dialog->selectedNameFilter())))};
}

// "ods" for "Foglio di calcolo OpenDocument (*.ods)".
QString extensionOf(const QString& filter) {
  static const QRegularExpression pattern(u"\\(\\*\\.(\\w+)\\)"_s);
  return pattern.match(filter).captured(1);
}
}  // namespace

QFileDialog* DialogFileChooser::createDialog(QWidget* parent) {
  auto* dialog = new QFileDialog(parent, u"Selezionare il file da allegare:"_s);
  dialog->setObjectName(u"dlgFile"_s);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  // "*.*" alone would hide every file without an extension here, so the
  // pattern really used is "*"; with the details hidden the user still reads
  // "Tutti i file (*.*)". Qt's own dialog is the one that honours this (and
  // speaks Italian with the program's translation).
  dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog->setNameFilter(u"Tutti i file (*.*) (*)"_s);
  return dialog;
}

QFileDialog* DialogFileChooser::createDialog(QWidget* parent, const FileQuestion& question,
                                             bool toWrite) {
  auto* dialog = new QFileDialog(parent, question.title);
  dialog->setObjectName(toWrite ? u"dlgSalva"_s : u"dlgApri"_s);
  dialog->setFileMode(toWrite ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog->setAcceptMode(toWrite ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setNameFilters(question.filters);
  if (toWrite) {
    // A name typed without an extension gets the chosen type's, before the
    // dialog checks whether that file exists.
    dialog->setDefaultSuffix(extensionOf(question.filters.value(0)));
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
      dialog->setDefaultSuffix(extensionOf(filter));
    });
  }
  if (!question.startPath.isEmpty()) {
    const QFileInfo start(question.startPath);
    dialog->setDirectory(start.absolutePath());
    if (toWrite || start.isFile()) dialog->selectFile(start.fileName());
  }
  return dialog;
}

QString DialogFileChooser::chooseFile(QWidget* parent) {
  return ask(createDialog(parent), {}).path;
}

FileAnswer DialogFileChooser::chooseFileToRead(QWidget* parent, const FileQuestion& question) {
  return ask(createDialog(parent, question, false), question.filters);
}

FileAnswer DialogFileChooser::chooseFileToWrite(QWidget* parent, const FileQuestion& question) {
  return ask(createDialog(parent, question, true), question.filters);
}

namespace FileChoosers {

FileChooser& current() {
  static DialogFileChooser real;
  return Installed<FileChooser>::currentOr(real);
}

}  // namespace FileChoosers

}  // namespace velinda
