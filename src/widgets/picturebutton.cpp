#include "widgets/picturebutton.h"

#include <QIcon>
#include <QKeyEvent>
#include <QPainter>

#include "widgets/shortcuttip.h"

namespace velinda {

PictureButton::PictureButton(const QString& objectName, const QString& picture, QSize size,
                             const QString& accessibleName, QWidget* parent)
    : QToolButton(parent) {
  setObjectName(objectName);
  setFixedSize(size);
  setAutoRaise(true);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  setAccessibleName(accessibleName);
  setToolTip(accessibleName);
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  setPicture(picture);
}

void PictureButton::setPicture(const QString& picture) {
  setIcon(QIcon(picture));
  setIconSize(size() - QSize(4, 4));
}

void PictureButton::showShortcut(const QKeySequence& key) {
  setToolTip(shortcutTip(accessibleName(), key));
}

void PictureButton::showShortcuts(const QList<QKeySequence>& keys) {
  setToolTip(shortcutTip(accessibleName(), keys));
}

// Enter presses it too, as on the program's other buttons.
void PictureButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !(event->modifiers() & ~Qt::KeypadModifier)) {
    click();
    return;
  }
  QToolButton::keyPressEvent(event);
}

// A flat picture shows no focus of its own: a frame in the highlight colour
// says where the keyboard is.
void PictureButton::paintEvent(QPaintEvent* event) {
  QToolButton::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
  painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
}

}  // namespace velinda
