#pragma once

#include <QKeySequence>
#include <QString>

class QPushButton;
class QWidget;

// A push button of a small screen: named, read by screen readers as the
// words it shows followed by its purpose (the purpose alone for a button
// showing no word, as "-"), pressed by Enter while it has the focus, and
// with its purpose as tooltip, naming its keyboard shortcut when one is
// given.
QPushButton* dialogButton(const char* name, const QString& text, const QString& purpose,
                          QWidget* parent, const QKeySequence& key = {});
