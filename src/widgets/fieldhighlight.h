#pragma once

#include <QColor>

#include "widgets/palette.h"

class QLineEdit;

namespace velinda {

// The focus highlight of every text box: a background in its resting colour
// (alice blue unless told otherwise), yellow while the box has the focus,
// and a sky-blue outline in both states.
namespace FieldHighlight {

void apply(QLineEdit* box, QColor resting = Palette::kAliceBlue);

}  // namespace FieldHighlight

}  // namespace velinda
