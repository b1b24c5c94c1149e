#include "widgets/picture.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap svgPixmap(const QString& resource, QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(resource);
  if (renderer.isValid()) {
    QPainter painter(&pixmap);
    renderer.render(&painter);
  }
  return pixmap;
}

QLabel* makePicture(const QString& objectName, const QString& resource,
                    const QRect& geometry, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->setGeometry(geometry);
  label->setPixmap(svgPixmap(resource, geometry.size()));
  return label;
}
