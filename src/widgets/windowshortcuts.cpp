#include "widgets/windowshortcuts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

#include "widgets/picturebutton.h"

namespace velinda {

WindowShortcuts::WindowShortcuts(QWidget* window) : QObject(window), window_(window) {
  // A box that claims a key does so before the key reaches the window, so
  // only an application filter sees the claim in time.
  qApp->installEventFilter(this);
}

void WindowShortcuts::add(const QList<QKeySequence>& keys, PictureButton* button) {
  button->showShortcuts(keys);
  for (const QKeySequence& key : keys) {
    keys_.append(key);
    auto* shortcut = new QShortcut(key, window_);
    connect(shortcut, &QShortcut::activated, button, [button] {
      if (button->isEnabled()) button->click();
    });
  }
}

bool WindowShortcuts::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType() ||
      static_cast<QWidget*>(watched)->window() != window_)
    return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const QKeySequence pressed(
      QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
  // Left ignored and unseen by the box, the key goes on to the shortcut.
  return keys_.contains(pressed);
}

}  // namespace velinda
