#pragma once

#include <span>

#include "print/formlayout.h"

namespace velinda {

// The acceptance receipt ("ricevuta di accettazione"): where each item of
// the acceptance screen falls on the pre-printed form.
namespace AcceptanceLayout {
std::span<const FormBox> boxes();
}

}  // namespace velinda
