#include "widgets/fieldhighlight.h"

#include <QLineEdit>

#include "widgets/palette.h"

namespace velinda {

namespace FieldHighlight {

void apply(QLineEdit* box, QColor resting) {
  box->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; border: 1px solid %2; "
                                    "padding: 0px 2px; color: %4; }"
                                    "QLineEdit:focus { background-color: %3; }")
                         .arg(Palette::css(resting), Palette::css(Palette::kSkyBlue),
                              Palette::css(Palette::kYellow), Palette::css(Palette::kBlack)));
}

}  // namespace FieldHighlight

}  // namespace velinda
