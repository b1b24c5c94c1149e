#include "widgets/picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#if !VELINDA_ART_AS_PNG
#include <QSvgRenderer>
#endif

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// How many times larger than its own size tools/bake_art drew a picture; a
// PNG without that note is taken at its size.
int bakedScale(const QImage& image) {
  const int scale = image.text(u"Scale"_s).toInt();
  return scale > 0 ? scale : 1;
}

#if !VELINDA_ART_AS_PNG
// A picture drawn at build time: told by its content, whatever its name.
bool isBaked(const QString& resource) { return QImageReader::imageFormat(resource) == "png"; }
#endif

bool drawBaked(QPainter& painter, const QString& resource, const QRectF& target) {
  const QImage image(resource);
  if (image.isNull()) return false;
  // Scaled down here, where Qt averages the pixels; the painter itself would
  // only sample them, and a picture drawn four times larger would shimmer.
  const QSize pixels = painter.deviceTransform().mapRect(target).size().toSize();
  if (pixels.isEmpty()) return true;
  painter.drawImage(target, image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  return true;
}

}  // namespace

QSizeF artSize(const QString& resource) {
#if !VELINDA_ART_AS_PNG
  if (!isBaked(resource)) {
    const QSvgRenderer renderer(resource);
    return renderer.isValid() ? QSizeF(renderer.defaultSize()) : QSizeF();
  }
#endif
  const QImage image(resource);
  return QSizeF(image.size()) / bakedScale(image);
}

bool drawArt(QPainter& painter, const QString& resource, const QRectF& target) {
#if !VELINDA_ART_AS_PNG
  if (!isBaked(resource)) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) return false;
    renderer.render(&painter, target);
    return true;
  }
#endif
  return drawBaked(painter, resource, target);
}

QPixmap blankPixmap(QSize size) {
  const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QPixmap svgPixmap(const QString& resource, QSize size) {
  QPixmap pixmap = blankPixmap(size);
  QPainter painter(&pixmap);
  drawArt(painter, resource, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

}  // namespace velinda
