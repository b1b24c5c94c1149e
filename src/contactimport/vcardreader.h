#pragma once

#include <memory>

#include "contactimport/contactreader.h"

namespace velinda {

// A vCard file (.vcf) of one or many cards, versions 2.1, 3.0 and 4.0, as
// phones and mail programs export them: folded lines, quoted-printable
// values with their character set, escaped commas and semicolons, typed
// telephone numbers, e-mail and postal addresses. Each card becomes a row
// of values with Italian names: "Nome completo", "Telefono (cellulare)",
// "Indirizzo (casa)", "CAP (casa)", "Nazione (casa)", ...; pictures and
// other properties are left out. A card's addresses are named in the order
// a letter would use them: the preferred one, else the home one, else the
// first, without a number; the others as "Indirizzo 2 (lavoro)",
// "CAP 2 (lavoro)", ...
class VCardReader : public ContactReader {
 public:
  VCardReader();
  ~VCardReader() override;
  void add(QStringView text) override;
  ContactTable finish() override;

  // True when the text's first line that is not blank is BEGIN:VCARD.
  static bool recognises(QStringView text);

 private:
  class Card;
  void addPhysicalLine(QStringView line);
  void addContentLine(const QString& line);

  QString partial_;  // a line whose end has not come yet
  QString current_;  // the content line being joined
  int currentLine_ = 0;
  bool softBreak_ = false;
  int line_ = 0;
  std::unique_ptr<Card> card_;
  int cards_ = 0;
};

}  // namespace velinda
