#include "platform/guardedaction.h"

#include <exception>

#include "platform/messageservice.h"
#include "platform/services.h"

void runGuarded(QWidget* window, const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& error) {
    Services::messages().unexpected(window, QString::fromUtf8(error.what()));
  }
}
