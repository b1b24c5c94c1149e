#include "widgets/enterfocuschain.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

namespace velinda {

namespace {

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool keepsOrdinaryMeaning(int key) {
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
      return true;
    default:
      return false;
  }
}

}  // namespace

EnterFocusChain::EnterFocusChain(QObject* parent) : QObject(parent) {}

void EnterFocusChain::link(QLineEdit* from, QWidget* to, Mode mode) {
  links_.insert(from, Link{to, mode});
  from->installEventFilter(this);
}

void EnterFocusChain::loop(const QList<QLineEdit*>& boxes) {
  for (int i = 0; i < boxes.size(); ++i) link(boxes[i], boxes[(i + 1) % boxes.size()]);
}

void EnterFocusChain::focusBox(QWidget* box) {
  if (box) box->setFocus(Qt::TabFocusReason);
}

bool EnterFocusChain::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress) return false;
  const auto it = links_.constFind(watched);
  if (it == links_.constEnd()) return false;
  auto* box = static_cast<QLineEdit*>(watched);

  if (type == QEvent::MouseButtonPress) {
    if (it->mode != Mode::OneCharacter ||
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
      return false;
    // A click selects the content as Tab does, so that the key typed next
    // replaces it instead of finding the box full.
    box->event(event);
    box->selectAll();
    return true;
  }

  auto* key = static_cast<QKeyEvent*>(event);

  if (isEnter(key->key())) {
    focusBox(it->next);
    return true;
  }
  if (it->mode != Mode::OneCharacter) return false;

  if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
    box->clear();
    return true;
  }
  if (keepsOrdinaryMeaning(key->key()) || key->modifiers() & Qt::ControlModifier) return false;
  // The key lands in this box first; the next key goes to the next box.
  const QPointer<QWidget> next = it->next;
  box->event(event);
  focusBox(next);
  return true;
}

}  // namespace velinda
