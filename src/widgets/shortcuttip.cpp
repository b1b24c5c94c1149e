#include "widgets/shortcuttip.h"

#include <QAbstractButton>

using namespace Qt::StringLiterals;

QString shortcutTip(const QString& purpose, const QKeySequence& key) {
  return purpose + u" ("_s + key.toString(QKeySequence::NativeText) + u')';
}

void giveShortcut(QAbstractButton* button, const QKeySequence& key) {
  button->setShortcut(key);
  button->setToolTip(shortcutTip(button->accessibleName(), key));
}
