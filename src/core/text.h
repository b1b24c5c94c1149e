#pragma once

#include <QString>

namespace velinda {

// The program's one way of trimming and changing letter case.
namespace Text {

// Removes every character of code 32 or less at both ends.
QString trimmed(const QString& text);

// Capitals and small letters for A-Z / a-z only; accented letters and every
// other character stay as they are.
QString upperAscii(const QString& text);
QString lowerAscii(const QString& text);

// The text with each line break turned into one blank: CR LF, CR, LF,
// vertical tab, form feed, next line, and the Unicode line and paragraph
// separators. For what must stay on one line: a one-line box, a list line.
QString oneLine(const QString& text);

// The text made of ASCII digits only (true for the empty text).
bool isAsciiDigits(const QString& text);

}  // namespace Text

}  // namespace velinda
