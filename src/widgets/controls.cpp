#include "widgets/controls.h"

#include <QLabel>
#include <QPushButton>

#include "widgets/picture.h"

namespace Controls {

QFont font(const QString& family, int points, bool bold) {
  QFont f(family, points);
  f.setBold(bold);
  return f;
}

QLabel* label(const QString& name, const QString& text, const QRect& geometry, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setGeometry(geometry);
  return l;
}

QLabel* label(const QString& name, const QString& text, const QRect& geometry, const QFont& font,
              QWidget* parent) {
  QLabel* l = label(name, text, geometry, parent);
  l->setFont(font);
  return l;
}

QPushButton* button(const QString& name, const QString& text, const QRect& geometry,
                    QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setGeometry(geometry);
  return b;
}

QLabel* picture(const QString& name, const QString& resource, QSize size,
                const QString& accessibleName, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setFixedSize(size);
  l->setAccessibleName(accessibleName);
  l->setPixmap(svgPixmap(resource, size));
  return l;
}

}  // namespace Controls
