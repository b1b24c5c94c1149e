#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace velinda {

// What the user is told of a failure that has no words of its own for them.
inline const QString kUnexpectedFailure = QStringLiteral(
    "Attenzione: si è verificato un errore imprevisto e l'operazione non è stata "
    "completata.\r\n\r\nI dettagli sono stati annotati nel file Velinda.log, nella "
    "cartella del programma.");

// Runs the action of a click, a menu item or a key of `window`. A failure
// the action does not handle itself stops it and is shown as unexpected:
// an error meant for the user (UserError) with its Italian message, any
// other with kUnexpectedFailure; either way its technical detail goes to
// the program's log (ErrorLog). The program carries on. No exception leaves
// the action, so none crosses Qt's signal delivery.
void runGuarded(QWidget* window, const std::function<void()>& action);

// The action wrapped for connecting to a signal: guarded(this, [this] {...})
// or guarded(this, &Screen::slot).
template <typename Action>
std::function<void()> guarded(QWidget* window, Action action) {
  return [window, action = std::move(action)] { runGuarded(window, action); };
}

template <typename Screen, typename Owner>
std::function<void()> guarded(Screen* screen, void (Owner::*slot)()) {
  return guarded(screen, [screen, slot] { (screen->*slot)(); });
}

}  // namespace velinda
