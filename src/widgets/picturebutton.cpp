#include "widgets/picturebutton.h"

#include <QIcon>

#include "widgets/shortcuttip.h"

PictureButton::PictureButton(const QString& objectName, const QString& picture,
                             QSize size, const QString& accessibleName,
                             QWidget* parent)
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
