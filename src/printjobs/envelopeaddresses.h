#pragma once

#include <QStringList>

#include "core/formtexts.h"

namespace velinda {

class TScheda;

// The screens an envelope is printed from.
enum class EnvelopeFrom { AcceptanceReceipt, AddressBook };

// The address lines an envelope takes from the texts of the screen that
// opens it: the name; the street and house number; the postcode, town and
// province. Parts left empty are left out with their blank, and so is a line
// left empty.
namespace EnvelopeAddresses {

// The controls of the screen the addresses read.
FormControls controls(EnvelopeFrom from);

QStringList recipient(EnvelopeFrom from, const FormTexts& texts);
// The acceptance receipt's sender; the address book has none on screen (its
// envelopes take a sender card chosen on the envelope screen).
QStringList sender(EnvelopeFrom from, const FormTexts& texts);
// An address-book card read from its archive, as a sender.
QStringList card(const TScheda& card);
bool hasSender(EnvelopeFrom from);

}  // namespace EnvelopeAddresses

}  // namespace velinda
