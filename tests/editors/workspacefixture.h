#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "support/recordingmessages.h"
#include "support/testfolder.h"

namespace velinda {

using namespace Qt::StringLiterals;

// A workspace window shown and active on a program folder of its own, with
// its messages recorded, and the ways a test reaches its controls.
template <typename Window>
struct WorkspaceFixture {
  TestFolder folder;
  RecordingMessages messages;
  Window window;

  WorkspaceFixture() {
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) qWarning("window not active");
  }

  QLineEdit* box(const QString& name) { return window.template findChild<QLineEdit*>(name); }
  QCheckBox* check(const QString& name) { return window.template findChild<QCheckBox*>(name); }
  QLabel* label(const QString& name) { return window.template findChild<QLabel*>(name); }
  QLabel* position() { return label(u"lblPosizione"_s); }
  void press(const QString& button) { window.template findChild<QToolButton*>(button)->click(); }

  QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
  }
  void focus(const QString& name) {
    window.template findChild<QWidget*>(name)->setFocus(Qt::TabFocusReason);
  }
  // Presses Enter in a box and tells where the focus went.
  QString enterFrom(const QString& name) {
    focus(name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    return focused();
  }
  // Key by key into whatever has the focus, as a user types.
  void type(const QString& keys) {
    for (QChar c : keys) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
  }
  // The colour inside a box, away from its outline and text.
  QColor colourInside(const QString& name) {
    QLineEdit* b = box(name);
    return b->grab().toImage().pixelColor(b->width() - 4, b->height() / 2);
  }
};

}  // namespace velinda
