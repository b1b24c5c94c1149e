#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The plain controls the screens build again and again: each one named, so
// that the screens differ only in what they say and where it goes.
namespace Controls {

QFont font(const QString& family, int points, bool bold = false);

QLabel* label(const QString& name, const QString& text, const QRect& geometry, QWidget* parent);
QLabel* label(const QString& name, const QString& text, const QRect& geometry, const QFont& font,
              QWidget* parent);

QPushButton* button(const QString& name, const QString& text, const QRect& geometry,
                    QWidget* parent);

// An SVG picture drawn at exactly `size`, with its words for screen readers;
// a missing drawing leaves an empty space of the same size.
QLabel* picture(const QString& name, const QString& resource, QSize size,
                const QString& accessibleName, QWidget* parent);

}  // namespace Controls
