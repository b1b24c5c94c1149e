#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace velinda {

// The program's pictures are SVG resources (":/art/...", ":/icons/..."). A
// build without Qt SVG carries each one, under the same name, as a PNG drawn
// at build time several times larger; the functions below draw either.

// A picture's own size, in the units its drawing was made in; empty when the
// resource is missing.
QSizeF artSize(const QString& resource);

// Draws the picture into the rectangle, stretched to it; false when the
// resource is missing or unreadable.
bool drawArt(QPainter& painter, const QString& resource, const QRectF& target);

// An empty, transparent picture of the given size in screen points, with a
// pixel for every pixel of the screen (two per point at a scale of 2), so
// that what is drawn on it stays sharp at any scale.
QPixmap blankPixmap(QSize size);

// A picture drawn at exactly the given size, sharp at the screen's scale.
QPixmap svgPixmap(const QString& resource, QSize size);

}  // namespace velinda
