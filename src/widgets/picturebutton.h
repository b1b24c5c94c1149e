#pragma once

#include <QToolButton>

namespace velinda {

// A clickable picture: a real, flat button with an icon, the hand cursor and
// an accessible name, so that screen readers and tests can find and press it.
class PictureButton : public QToolButton {
  Q_OBJECT
 public:
  // `picture` is a resource path (":/art/..." or ":/icons/...").
  PictureButton(const QString& objectName, const QString& picture, QSize size,
                const QString& accessibleName, QWidget* parent);

  // Shows a keyboard shortcut in the tooltip beside the purpose.
  void showShortcut(const QKeySequence& key);
  // Shows several, in order: "Esci (Esc, Ctrl+W)".
  void showShortcuts(const QList<QKeySequence>& keys);

  // The icon fills the button, less a small margin.
  void setPicture(const QString& picture);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace velinda
