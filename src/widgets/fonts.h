#pragma once

#include <QFont>

namespace velinda {

// The typefaces the screens show, each family named once. A weight not
// asked for is left to the font a control inherits.
namespace Fonts {

// Captions, boxes and lists of almost every screen.
QFont verdana(int points, bool bold = false);

// Help lines, status bars and the explanations of the small screens.
QFont tahoma(int points, bool bold = false);

// The title of the guide.
QFont arial(int points, bool bold = false);

// Codes read character by character (a tax code, an IBAN): every character
// as wide as the others, and a typewriter face wherever Courier New is
// missing.
QFont typewriter(int points, bool bold = false);

}  // namespace Fonts

}  // namespace velinda
