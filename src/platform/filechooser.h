#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

namespace velinda {

// What an open or save dialog asks: its title, the file types it offers
// ("Nome (*.ext)", the first one selected) and the file it starts on.
struct FileQuestion {
  QString title;
  QStringList filters;
  QString startPath;
};

// The user's answer: the full path (empty when the user cancels) and the
// index of the file type chosen among the question's filters.
struct FileAnswer {
  QString path;
  int filter = 0;
};

// Asks the user for files. Behind an interface so that tests can answer
// without a dialog on screen.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // One existing file to attach; empty when the user cancels.
  virtual QString chooseFile(QWidget* parent) = 0;
  // One existing file to read.
  virtual FileAnswer chooseFileToRead(QWidget* parent, const FileQuestion& question) = 0;
  // A file to write; the dialog asks before an existing file is replaced.
  virtual FileAnswer chooseFileToWrite(QWidget* parent, const FileQuestion& question) = 0;
};

// Qt's own dialogs, which speak Italian with the program's translation.
class DialogFileChooser : public FileChooser {
 public:
  QString chooseFile(QWidget* parent) override;
  FileAnswer chooseFileToRead(QWidget* parent, const FileQuestion& question) override;
  FileAnswer chooseFileToWrite(QWidget* parent, const FileQuestion& question) override;

  // The attachment dialog `dlgFile` as it is shown, built apart so that its
  // setup can be checked.
  static QFileDialog* createDialog(QWidget* parent);
  // The dialog for a question, to read or to write.
  static QFileDialog* createDialog(QWidget* parent, const FileQuestion& question, bool toWrite);
};

// The chooser the screens use: the one put in place with
// Installed<FileChooser> (see platform/installed.h), or the real dialogs
// when none is.
namespace FileChoosers {
FileChooser& current();
}  // namespace FileChoosers

}  // namespace velinda
