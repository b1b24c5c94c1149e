#pragma once

#include <QColor>

class QLineEdit;

// The focus highlight of every text box: a background in its resting colour
// (alice blue unless told otherwise), yellow while the box has the focus,
// and a sky-blue outline in both states.
namespace FieldHighlight {

inline const QColor kAliceBlue{0xF0, 0xF8, 0xFF};
inline const QColor kBeige{0xF5, 0xF5, 0xDC};
inline const QColor kFocused{0xFF, 0xFF, 0x00};
inline const QColor kOutline{0x87, 0xCE, 0xEB};

void apply(QLineEdit* box, QColor resting = kAliceBlue);

}  // namespace FieldHighlight
