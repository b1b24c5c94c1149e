#pragma once

class QLineEdit;
class QString;

namespace velinda {

namespace BoxText {

// Puts a text into a box as the program shows a card: read from its
// beginning. A box left with its cursor at the end, as setText() leaves it,
// shows the last characters of a text longer than itself.
void put(QLineEdit* box, const QString& text);

}  // namespace BoxText

}  // namespace velinda
