#pragma once

#include <QStringList>

#include "attachments/filechooser.h"

// Answers the open-file dialog as the test scripts it: each call takes the
// next answer (an empty one is a cancel). Installs itself for its lifetime.
class RecordingFileChooser : public FileChooser {
 public:
  RecordingFileChooser() { FileChoosers::install(this); }
  ~RecordingFileChooser() override { FileChoosers::install(nullptr); }

  QString chooseFile(QWidget*) override {
    ++calls;
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }

  QStringList answers;
  int calls = 0;
};
