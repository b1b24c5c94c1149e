#pragma once

#include <QList>
#include <QUrl>

#include "platform/services.h"
#include "platform/shellservice.h"

// Records what the program asked the shell to open. Installs itself for its
// lifetime.
class RecordingShell : public ShellService {
 public:
  RecordingShell() { Services::setShell(this); }
  ~RecordingShell() override { Services::setShell(nullptr); }
  void open(const QUrl& target) override { opened.append(target); }
  QList<QUrl> opened;
};
