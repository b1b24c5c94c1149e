#pragma once

#include <functional>

class QWidget;

// Runs the action of a click, a menu item or a key of `window`. A failure
// the action does not handle itself stops it and is shown as unexpected,
// with its own text; the program carries on. No exception leaves the action,
// so none crosses Qt's signal delivery.
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
