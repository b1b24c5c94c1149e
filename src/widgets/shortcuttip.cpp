#include "widgets/shortcuttip.h"

#include <QAbstractButton>

namespace velinda {

using namespace Qt::StringLiterals;

QString shortcutTip(const QString& purpose, const QKeySequence& key) {
  return shortcutTip(purpose, QList<QKeySequence>{key});
}

QString shortcutTip(const QString& purpose, const QList<QKeySequence>& keys) {
  QStringList names;
  for (const QKeySequence& key : keys) names << key.toString(QKeySequence::NativeText);
  return purpose + u" ("_s + names.join(u", "_s) + u')';
}

void giveShortcut(QAbstractButton* button, const QKeySequence& key) {
  button->setShortcut(key);
  button->setToolTip(shortcutTip(button->accessibleName(), key));
}

}  // namespace velinda
