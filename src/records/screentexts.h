#pragma once

#include "core/formtexts.h"

class QWidget;

namespace velinda {

// The controls of a screen as they are now: each text box's trimmed text and
// whether each check box is ticked. A control the screen lacks raises
// UnknownName, naming the screen.
namespace ScreenTexts {
FormTexts take(const QWidget& screen, const FormControls& controls);
}

}  // namespace velinda
