#include "platform/services.h"

#include "platform/installed.h"
#include "platform/qtmessageservice.h"
#include "platform/shellservice.h"

namespace Services {

MessageService& messages() {
  static QtMessageService real;
  MessageService* standIn = Installed<MessageService>::current();
  return standIn ? *standIn : real;
}

ShellService& shell() {
  static DesktopShell real;
  ShellService* standIn = Installed<ShellService>::current();
  return standIn ? *standIn : real;
}

}  // namespace Services
