#pragma once

#include <QLabel>
#include <QPixmap>

// A picture drawn from an SVG resource at exactly the given size.
QPixmap svgPixmap(const QString& resource, QSize size);

// A non-clickable picture (banners, titles, decorations).
QLabel* makePicture(const QString& objectName, const QString& resource,
                    const QRect& geometry, QWidget* parent);
