#include "printjobs/envelopeaddresses.h"

#include <array>

#include "print/formlayout.h"
#include "records/cardtexts.h"

namespace velinda {

namespace {

// A line's parts as form content patterns, joined by a blank.
using AddressLine = std::array<const char*, 3>;
using AddressBlock = std::array<AddressLine, 3>;

constexpr AddressBlock kAcceptanceRecipient{{
    {"{txtDestinatario}"},
    {"{txtIndirizzoDes}", "{txtNumDes}"},
    {"{txtCapDes01}{txtCapDes02}{txtCapDes03}{txtCapDes04}{txtCapDes05}", "{txtLocalitaDes}",
     "{txtProvDes01}{txtProvDes02}"},
}};

constexpr AddressBlock kAcceptanceSender{{
    {"{txtMittente}"},
    {"{txtIndirizzoMit}", "{txtNumMit}"},
    {"{txtCapMit01}{txtCapMit02}{txtCapMit03}{txtCapMit04}{txtCapMit05}", "{txtLocalitaMit}",
     "{txtProvMit01}{txtProvMit02}"},
}};

constexpr AddressBlock kAddressBookCard{{
    {"{txtNome}"},
    {"{txtIndirizzo}", "{txtNum}"},
    {"{txtCap01}{txtCap02}{txtCap03}{txtCap04}{txtCap05}", "{txtLocalita}",
     "{txtProv01}{txtProv02}"},
}};

FormControls controlsOf(const AddressBlock& block) {
  FormControls read;
  for (const AddressLine& line : block)
    for (const char* part : line)
      if (part) read += FormLayout::controls(part);
  return read;
}

QStringList lines(const AddressBlock& block, const FormTexts& texts) {
  QStringList filled;
  for (const AddressLine& line : block) {
    QStringList parts;
    for (const char* part : line)
      if (part)
        if (const QString text = FormLayout::content(part, texts); !text.isEmpty()) parts << text;
    if (!parts.isEmpty()) filled << parts.join(u' ');
  }
  return filled;
}

}  // namespace

namespace EnvelopeAddresses {

FormControls controls(EnvelopeFrom from) {
  if (!hasSender(from)) return controlsOf(kAddressBookCard);
  FormControls read = controlsOf(kAcceptanceRecipient);
  read += controlsOf(kAcceptanceSender);
  return read;
}

QStringList recipient(EnvelopeFrom from, const FormTexts& texts) {
  return lines(from == EnvelopeFrom::AcceptanceReceipt ? kAcceptanceRecipient : kAddressBookCard,
               texts);
}

QStringList sender(EnvelopeFrom from, const FormTexts& texts) {
  return hasSender(from) ? lines(kAcceptanceSender, texts) : QStringList();
}

QStringList card(const TScheda& card) {
  return lines(kAddressBookCard, CardTexts::take(card, controlsOf(kAddressBookCard)));
}

bool hasSender(EnvelopeFrom from) { return from == EnvelopeFrom::AcceptanceReceipt; }

}  // namespace EnvelopeAddresses

}  // namespace velinda
