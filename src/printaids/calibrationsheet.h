#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "report/page.h"

namespace velinda {

// The calibration sheet of a pre-printed form: plain paper of the form's
// size and orientation, printed without offsets, with millimetre rulers
// along the top and left edges, crosshairs at the corners of a few of the
// form's boxes and the instructions for reading the shift against the form.
namespace CalibrationSheet {

// The rulers: their base lines lie this far in from the top and left edges,
// with the ticks between the line and the edge, a labelled tick every 10 mm.
inline constexpr Length kRulerLine = Length::mm(10);
inline constexpr Length kTickEvery = Length::mm(1);
inline constexpr Length kLabelEvery = Length::mm(10);

// The boxes the sheet marks, by name, each once: the highest box, the one
// that reaches furthest right, the lowest and the one furthest left (the
// first such in the form's table), so that the marks spread over the form.
QStringList markedBoxes(const Page& form);

// What the sheet says of the form besides its boxes.
struct FormTexts {
  QString name;  // the title: "Ricevuta Accettazione"
  // What the form calls a box, by the box's name; the name's stem if none.
  std::function<QString(const QString& boxName)> caption;
  // The form is a card smaller than the sheet: the instructions say which
  // corner to lay it against.
  bool smallerThanPaper = false;
};

// The sheet for the form page (its boxes at their layout places), titled
// with the form's name, each mark labelled with the box's caption.
Page page(const Page& form, const FormTexts& texts);
Page page(const Page& form, const QString& formName);

}  // namespace CalibrationSheet

}  // namespace velinda
