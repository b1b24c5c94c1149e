#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QAbstractButton;

namespace velinda {

// "Purpose (Ctrl+N)": a tooltip that names the keyboard shortcut.
QString shortcutTip(const QString& purpose, const QKeySequence& key);
// "Purpose (Esc, Ctrl+W)": several keys that do the same.
QString shortcutTip(const QString& purpose, const QList<QKeySequence>& keys);

// Gives the button the shortcut and shows it in the tooltip beside the
// button's purpose, its accessible name.
void giveShortcut(QAbstractButton* button, const QKeySequence& key);

}  // namespace velinda
