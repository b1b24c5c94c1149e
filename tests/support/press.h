#pragma once

#include <QAbstractButton>
#include <QTest>
#include <QWidget>

namespace velinda {

// Clicks the screen's button of that name with the mouse, as the user does.
inline void press(QWidget& screen, const char* name, int times = 1) {
  auto* button = screen.findChild<QAbstractButton*>(QString::fromLatin1(name));
  if (!button) qFatal("no button %s", name);
  for (int i = 0; i < times; ++i) QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace velinda
