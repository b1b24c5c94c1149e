#pragma once

class QLineEdit;

namespace velinda {

// What a text box does to what is typed into it. Each rule acts on typing
// only; text put into the box by the program is left as it is.
namespace TypingRules {

// After every keystroke the text is trimmed (codes <= 32 at both ends) and
// a-z become A-Z.
void upperCase(QLineEdit* box);

// After every keystroke the text is trimmed, so no blank stays at either end.
void trimmed(QLineEdit* box);

// A line break that reaches the box (typed, pasted, dropped, set by the
// program or by an assistive tool) becomes one blank.
// Every box of the program gets this rule (see OneLineBoxes).
void oneLine(QLineEdit* box);

// Only the digits 0-9 reach the box; Backspace, Delete, Left, Right and Enter
// keep their meaning; every other key (Tab, Home, letters, blanks) is
// discarded.
void digitsOnly(QLineEdit* box);

}  // namespace TypingRules

}  // namespace velinda
