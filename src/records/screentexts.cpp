#include "records/screentexts.h"

#include <QCheckBox>
#include <QLineEdit>

#include "widgets/namedchild.h"

namespace velinda {

namespace ScreenTexts {

FormTexts take(const QWidget& screen, const FormControls& controls) {
  FormTexts texts;
  for (const QString& name : controls.texts)
    texts.setText(name, namedChild<const QLineEdit>(screen, name)->text());
  for (const QString& name : controls.ticks)
    texts.setTicked(name, namedChild<const QCheckBox>(screen, name)->isChecked());
  return texts;
}

}  // namespace ScreenTexts

}  // namespace velinda
