#include "widgets/gradientwidget.h"

#include <QLinearGradient>
#include <QPainter>

namespace velinda {

GradientWidget::GradientWidget(QColor top, QColor bottom, QWidget* parent)
    : QWidget(parent), top_(top), bottom_(bottom) {}

void GradientWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0, top_);
  gradient.setColorAt(1, bottom_);
  painter.fillRect(rect(), gradient);
}

PanelBox::PanelBox(QColor fill, QColor border, int borderWidth, QWidget* parent)
    : QWidget(parent), fill_(fill), border_(border), borderWidth_(borderWidth) {}

void PanelBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (fill_.isValid()) painter.fillRect(rect(), fill_);
  if (border_.isValid() && borderWidth_ > 0) {
    painter.setPen(QPen(border_, borderWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const qreal inset = borderWidth_ / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
  }
}

}  // namespace velinda
