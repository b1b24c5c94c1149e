#pragma once

#include "contactimport/contactreader.h"

// A vCard file (.vcf) of one or many cards, versions 2.1, 3.0 and 4.0, as
// phones and mail programs export them: folded lines, quoted-printable
// values with their character set, escaped commas and semicolons, typed
// telephone numbers, e-mail and postal addresses. Each card becomes a row
// of values with Italian names: "Nome completo", "Telefono (cellulare)",
// "Indirizzo (casa)", "CAP (casa)", "Nazione (casa)", ...; pictures and other properties are
// left out.
class VCardReader : public ContactReader {
 public:
  ContactTable read(const QString& text) const override;

  // True when the text's first line that is not blank is BEGIN:VCARD.
  static bool recognises(QStringView text);
};
