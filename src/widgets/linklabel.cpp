#include "widgets/linklabel.h"

#include <QAbstractButton>
#include <QMouseEvent>

#include "widgets/palette.h"

namespace velinda {

using namespace Qt::StringLiterals;

LinkLabel::LinkLabel(const QString& objectName, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
  setObjectName(objectName);
  setCursor(Qt::PointingHandCursor);
  setAccessibleName(text);
  QFont f(u"Tahoma"_s, 14);
  f.setUnderline(true);
  setFont(f);
  setPressedLook(false);
}

void LinkLabel::setPressedLook(bool pressed) {
  pressed_ = pressed;
  QPalette p = palette();
  p.setColor(QPalette::WindowText, pressed ? Palette::kOrange : Palette::kDarkBlue);
  setPalette(p);
}

void LinkLabel::attachIcon(QAbstractButton* icon) {
  connect(icon, &QAbstractButton::pressed, this, [this] { setPressedLook(true); });
  connect(icon, &QAbstractButton::released, this, [this] { setPressedLook(false); });
  connect(icon, &QAbstractButton::clicked, this, &LinkLabel::clicked);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  setPressedLook(true);
  event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  setPressedLook(false);
  if (rect().contains(event->position().toPoint())) emit clicked();
  event->accept();
}

}  // namespace velinda
