#pragma once

#include <span>

#include "print/formlayout.h"

namespace velinda {

// The two sides of the return receipt ("avviso di ricevimento"): the
// recipient side with the item's particulars, and the sender side.
namespace ReturnReceiptLayouts {
std::span<const FormBox> recipientSide();
std::span<const FormBox> senderSide();
}  // namespace ReturnReceiptLayouts

}  // namespace velinda
