#pragma once

#include <QKeySequence>
#include <QString>

class QPushButton;
class QWidget;

// A push button of a small screen: named, with its purpose as accessible
// name, pressed by Enter only while it has the focus, and, when a key is
// given, that keyboard shortcut shown in its tooltip.
QPushButton* dialogButton(const char* name, const QString& text, const QString& purpose,
                          QWidget* parent, const QKeySequence& key = {});
