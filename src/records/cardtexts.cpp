#include "records/cardtexts.h"

#include "archive/tscheda.h"
#include "core/controlname.h"

namespace velinda {

namespace CardTexts {

FormTexts take(const TScheda& card, const FormControls& controls) {
  FormTexts texts;
  for (const QString& name : controls.texts)
    texts.setText(name, card.text(ControlName::stem(name)));
  for (const QString& name : controls.ticks)
    texts.setTicked(name, card.flag(ControlName::stem(name)).value_or(false));
  return texts;
}

}  // namespace CardTexts

}  // namespace velinda
