#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace velinda {

// What the login and change-password screens share: a fixed window without
// title-bar buttons, centred on the screen, under the product logo, with
// masked, highlighted password boxes.
namespace PasswordWindow {

inline constexpr int kWidth = 607;

void setUp(QWidget* window, const QString& caption, int height);

QLineEdit* makePasswordBox(const QString& objectName, const QString& accessibleName,
                           QWidget* parent);

}  // namespace PasswordWindow

}  // namespace velinda
