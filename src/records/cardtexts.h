#pragma once

#include "core/formtexts.h"

namespace velinda {

class TScheda;

// A card read from its archive, taken the way its workspace would show it:
// the text box "txtDestinatario" holds the field "Destinatario", the check
// box "chkAvviso" is ticked only by "Sì" in the field "Avviso". A control
// whose field the card lacks raises UnknownName.
namespace CardTexts {
FormTexts take(const TScheda& card, const FormControls& controls);
}

}  // namespace velinda
