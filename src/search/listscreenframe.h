#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

#include "widgets/controls.h"

class QDialog;
class QLabel;
class QWidget;

namespace velinda {

// The frame the list and search screens share: their size, the gradient
// behind their panel, the look of their buttons and their instructions.
namespace ListScreenFrame {

// Where the 833 x 529 panel of a list or search screen lies: centred in
// the 862 x 560 client area.
inline constexpr QSize kScreenSize{862, 560};
inline constexpr QPoint kPanelAt{14, 15};

// Enter in the find box leads to "Trova" and the next Enter finds, so Enter
// presses a button only while it has the focus.
inline const Controls::ButtonOptions kButtons{.enter = Controls::Enter::WhenFocused,
                                              .pointingHand = true};

// Fills the screen with the vertical steel-blue-to-white gradient and
// returns it, to hold the panels.
QWidget* background(QDialog* screen);

// Lines of text drawn once into a picture, as the instructions are shown;
// the text stays readable to screen readers through the accessible name.
QLabel* textPicture(const QString& name, const QStringList& lines, const QRect& geometry,
                    QWidget* parent);

}  // namespace ListScreenFrame

}  // namespace velinda
