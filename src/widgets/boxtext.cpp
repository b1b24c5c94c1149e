#include "widgets/boxtext.h"

#include <QLineEdit>

namespace velinda {

namespace BoxText {

void put(QLineEdit* box, const QString& text) {
  box->setText(text);
  box->setCursorPosition(0);
}

}  // namespace BoxText

}  // namespace velinda
