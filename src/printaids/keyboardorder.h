#pragma once

class QPushButton;
class QWidget;

namespace velinda {

// The keyboard on a print screen, the same on each: Tab goes through the
// controls in reading order (row by row from the top, each row from the
// left), "Stampa" is the default button and answers Ctrl+P, and the first
// focus is where the user acts first.
namespace KeyboardOrder {

// Chains the screen's controls that take Tab in reading order, as laid out
// now (call it once the layout is complete).
void followReading(QWidget* screen);

// `print` becomes the screen's default button (Enter where no other button
// has the focus) with the shortcut Ctrl+P.
void makePrintDefault(QPushButton* print);

// The whole of it: the reading order, the default "Stampa", and the first
// focus on `first`.
void apply(QWidget* screen, QPushButton* print, QWidget* first);

}  // namespace KeyboardOrder

}  // namespace velinda
