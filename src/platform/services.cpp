#include "platform/services.h"

#include "platform/qtmessageservice.h"
#include "platform/shellservice.h"

namespace {
MessageService* installedMessages = nullptr;
ShellService* installedShell = nullptr;
}  // namespace

namespace Services {

MessageService& messages() {
  static QtMessageService real;
  return installedMessages ? *installedMessages : real;
}

void setMessages(MessageService* service) { installedMessages = service; }

ShellService& shell() {
  static DesktopShell real;
  return installedShell ? *installedShell : real;
}

void setShell(ShellService* service) { installedShell = service; }

}  // namespace Services
