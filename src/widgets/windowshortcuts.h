#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

namespace velinda {

class PictureButton;

// Keys that press a window's buttons wherever the focus is in the window.
// A text box would keep some of them for its own editing (Ctrl+Home and
// Ctrl+End move its cursor, and Ctrl+E does on X11), so the window's keys
// win over the box's; every other key stays the box's.
class WindowShortcuts : public QObject {
  Q_OBJECT
 public:
  explicit WindowShortcuts(QWidget* window);

  // Each key clicks the button while it is enabled; the tooltip shows them.
  void add(const QList<QKeySequence>& keys, PictureButton* button);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  QList<QKeySequence> keys_;
};

}  // namespace velinda
