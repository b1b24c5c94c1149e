#include "platform/guardedaction.h"

#include <QWidget>
#include <exception>

#include "core/usererror.h"
#include "platform/errorlog.h"
#include "platform/messageservice.h"
#include "platform/services.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// Where the failure happened, for the log: the window's name.
QString actionOf(const QWidget* window) {
  return window ? window->objectName() : u"(nessuna finestra)"_s;
}

}  // namespace

void runGuarded(QWidget* window, const std::function<void()>& action) {
  try {
    action();
  } catch (const UserError& error) {
    ErrorLog::write(actionOf(window), QString::fromUtf8(error.what()));
    Services::messages().unexpected(window, error.userMessage());
  } catch (const std::exception& error) {
    ErrorLog::write(actionOf(window), QString::fromUtf8(error.what()));
    Services::messages().unexpected(window, kUnexpectedFailure);
  }
}

}  // namespace velinda
