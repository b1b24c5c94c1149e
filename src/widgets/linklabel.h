#pragma once

#include <QLabel>

class QAbstractButton;

namespace velinda {

// A link on the guide, information and splash screens: dark blue, underlined,
// orange while a mouse button is held down on it or on its icon.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  LinkLabel(const QString& objectName, const QString& text, QWidget* parent);

  // The icon beside the link acts exactly like the link.
  void attachIcon(QAbstractButton* icon);
  bool isPressedLook() const { return pressed_; }

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void setPressedLook(bool pressed);
  bool pressed_ = false;
};

}  // namespace velinda
