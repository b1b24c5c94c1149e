#include "widgets/fieldhighlight.h"

#include <QLineEdit>

namespace FieldHighlight {

void apply(QLineEdit* box, QColor resting) {
  box->setStyleSheet(
      QStringLiteral("QLineEdit { background-color: %1; border: 1px solid %2; "
                     "padding: 0px 2px; color: black; }"
                     "QLineEdit:focus { background-color: %3; }")
          .arg(resting.name(), kOutline.name(), kFocused.name()));
}

}  // namespace FieldHighlight
