#pragma once

#include <QKeySequence>
#include <QString>

class QAbstractButton;

// "Purpose (Ctrl+N)": a tooltip that names the keyboard shortcut.
QString shortcutTip(const QString& purpose, const QKeySequence& key);

// Gives the button the shortcut and shows it in the tooltip beside the
// button's purpose, its accessible name.
void giveShortcut(QAbstractButton* button, const QKeySequence& key);
