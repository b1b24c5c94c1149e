#pragma once

#include <QList>
#include <QStringList>

#include "platform/filechooser.h"
#include "platform/installed.h"

namespace velinda {

// Answers the file dialogs as the test scripts it: each dialog takes the
// next answer (an empty one is a cancel) and, for the dialogs that offer
// file types, the next chosen type (the first one when none is scripted).
// Records what each of those dialogs asked. Installs itself for its lifetime.
class RecordingFileChooser : public FileChooser {
 public:
  QString chooseFile(QWidget*) override {
    ++calls;
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }
  FileAnswer chooseFileToRead(QWidget* parent, const FileQuestion& question) override {
    return answer(parent, question);
  }
  FileAnswer chooseFileToWrite(QWidget* parent, const FileQuestion& question) override {
    return answer(parent, question);
  }

  QStringList answers;
  QList<int> filters;
  QList<FileQuestion> questions;
  int calls = 0;

 private:
  Installed<FileChooser> installed_{*this};

  FileAnswer answer(QWidget* parent, const FileQuestion& question) {
    questions.append(question);
    const QString path = chooseFile(parent);
    return {path, filters.isEmpty() ? 0 : filters.takeFirst()};
  }
};

}  // namespace velinda
