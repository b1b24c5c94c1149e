#pragma once

#include <QList>
#include <QUrl>

#include "platform/installed.h"
#include "platform/shellservice.h"

namespace velinda {

// Records what the program asked the shell to open. Installs itself for its
// lifetime.
class RecordingShell : public ShellService {
 public:
  void open(const QUrl& target) override { opened.append(target); }
  QList<QUrl> opened;

 private:
  Installed<ShellService> installed_{*this};
};

}  // namespace velinda
