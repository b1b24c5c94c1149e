#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

// Small builders shared by the list and search screens.
namespace ScreenPieces {

// Where the 833 x 529 panel of a list or search screen lies: centred in
// the 862 x 560 client area.
inline constexpr QSize kScreenSize{862, 560};
inline constexpr QPoint kPanelAt{14, 15};

QFont verdana(int points, bool bold = false);

// Fills the screen with the vertical steel-blue-to-white gradient and
// returns it, to hold the panels.
QWidget* background(QDialog* screen);

// A button that Enter presses while it has the focus.
QPushButton* button(const QString& name, const QString& text, const QRect& geometry,
                    QWidget* parent);

// Lines of text drawn once into a picture, as the instructions are shown;
// the text stays readable to screen readers through the accessible name.
QLabel* textPicture(const QString& name, const QStringList& lines, const QRect& geometry,
                    QWidget* parent);

// An SVG picture scaled to fit the geometry without distortion.
QLabel* fittedPicture(const QString& name, const QString& resource, const QRect& geometry,
                      QWidget* parent);

}  // namespace ScreenPieces
