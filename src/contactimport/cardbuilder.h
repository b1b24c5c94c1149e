#pragma once

#include <QHash>

#include "archive/tscheda.h"
#include "contactimport/contacttable.h"
#include "contactimport/headeraliases.h"

// One contact made into an address-book card.
struct BuiltCard {
  TSchedaAnagrafica record;
  // Texts that did not fit their field and were cut (or, for the one-letter
  // fields, could not be stored at all).
  int cuts = 0;

  // A card without a name is one the address book would not save.
  bool hasName() const { return !record.text(u"Nome").isEmpty(); }
};

// Makes cards from contacts by a column mapping. Each text is stored as
// the address-book screen would store it when typed in: trimmed, cut to its
// field, upper-cased or reduced to digits where the screen does so; line
// breaks become commas. Beyond the plain fields: a house number written
// after the street and a comma goes to its own field, the CAP is spread
// over its five boxes, a province's name becomes its code (also from "Roma (RM)" in
// the town), a country other than Italy is added to the town, an e-mail
// address at a certified-mail provider goes to the PEC, and a firm's name
// is the card's name when the contact has no other.
class CardBuilder {
 public:
  explicit CardBuilder(const ColumnMapping& mapping);
  BuiltCard build(const ContactRow& row) const;

 private:
  QHash<QString, ColumnRule> rules_;
};
