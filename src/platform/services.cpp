#include "platform/services.h"

#include "platform/installed.h"
#include "platform/qtmessageservice.h"
#include "platform/shellservice.h"

namespace velinda {

namespace Services {

MessageService& messages() {
  static QtMessageService real;
  return Installed<MessageService>::currentOr(real);
}

ShellService& shell() {
  static DesktopShell real;
  return Installed<ShellService>::currentOr(real);
}

}  // namespace Services

}  // namespace velinda
