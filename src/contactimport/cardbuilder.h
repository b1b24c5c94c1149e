#pragma once

#include <QHash>
#include <QList>

#include "archive/tscheda.h"
#include "contactimport/contacttable.h"
#include "contactimport/headeraliases.h"

namespace velinda {

// What making a card had to do beyond copying a value into its field. Each
// is named in the import's report, with the contact.
struct CardRemark {
  enum class Kind {
    Cut,             // a text cut to its field's length: the field's caption
    NotStored,       // a value the card cannot hold: "Provincia «Lazio»"
    InNote,          // values with no field of their own, written in the note
    CapCompleted,    // a CAP that lost its leading zeros: "184 → 00184"
    PostcodeInTown,  // a postcode that is no Italian CAP, written before the town
  };
  Kind kind;
  QString text;
};

// One contact made into an address-book card.
struct BuiltCard {
  TSchedaAnagrafica record;
  QList<CardRemark> remarks;
  // Texts that did not fit their field and were cut.
  int cuts = 0;

  // A card without a name is one the address book would not save.
  bool hasName() const { return !record.text(u"Nome").isEmpty(); }
  // The texts of the remarks of a kind, in the order made.
  QStringList remarksOf(CardRemark::Kind kind) const;
};

// Makes cards from contacts by a column mapping. Each text is stored as
// the address-book screen would store it when typed in: trimmed, cut to its
// field, upper-cased or reduced to digits where the screen does so; line
// breaks become commas. Beyond the plain fields: the card takes one whole
// address of the contact, never parts of two (see AddressGroups); a house
// number written after the street and a comma goes to its own field; the
// CAP is spread over its five boxes, with its leading zeros back when a
// spreadsheet dropped them, while a foreign postcode goes before the town;
// a province's name becomes its code (also from "Roma (RM)" in the town); a
// country other than Italy is added to the town; an e-mail address at a
// certified-mail provider goes to the PEC; a firm's name is the card's name
// when the contact has no other; a birth date in three columns is put
// together. A value that finds its field taken (a second phone, a second
// address) goes into the note under "Altri recapiti", as long as the note
// has room; whatever cannot be stored is told in the remarks.
class CardBuilder {
 public:
  explicit CardBuilder(const ColumnMapping& mapping);
  BuiltCard build(const ContactRow& row) const;

 private:
  QHash<QString, ColumnRule> rules_;
};

}  // namespace velinda
