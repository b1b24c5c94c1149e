#pragma once

#include <QList>
#include <QString>

namespace velinda {

// How the values a contact gives for one target become one text: the first
// that is not empty, all of them joined by blanks (name, street), or all of
// them as a list joined by commas (notes).
enum class Joining { First, Words, List };

// What the text goes through before it is stored, as the address-book
// screen's typing rules would have it.
enum class Cleaning {
  None,
  UpperCase,      // a-z to A-Z
  UpperNoBlanks,  // and no blanks inside (tax code, IBAN)
  DigitsOnly,     // VAT number: its digits, without "IT"
  Date,           // 1980-05-17 becomes 17/05/1980
  Sex,            // M or F
  Mail,           // without "mailto:"
};

// Where a column of the file can go: a field of the address-book card, or
// one of the targets below that are spread over fields or composed.
struct CardTarget {
  QString key;      // the card field's name, or one of the keys below
  QString caption;  // as the user chooses it
  Joining joining;
  Cleaning cleaning;
  bool address;  // street, number, CAP, town, province and country come
                 // from one and the same address of the contact
  // How a value that finds its field taken is named in the note ("Tel.").
  QString noteLabel = {};
};

namespace CardTargets {

using namespace Qt::StringLiterals;

// The five digits of Cap01-Cap05.
inline const QString kCap = u"CAP"_s;
// A province code or name, into Prov01-Prov02.
inline const QString kProvince = u"Provincia"_s;
// A firm's name: the card's name when the contact has no other, otherwise
// added to the occupation.
inline const QString kFirm = u"Ditta"_s;
// The country, added to the town when it is not Italy.
inline const QString kCountry = u"Paese"_s;
// A whole address on several lines (Google's "Formatted"), taken apart
// when the contact's address has no other column.
inline const QString kWholeAddress = u"IndirizzoCompleto"_s;
// The parts of a birth date in columns of their own (Thunderbird's).
inline const QString kBirthDay = u"GiornoNascita"_s;
inline const QString kBirthMonth = u"MeseNascita"_s;
inline const QString kBirthYear = u"AnnoNascita"_s;
// Contacts the card has no field for (a fax, a pager), written in the
// note under "Altri recapiti" with the column's name.
inline const QString kOtherContacts = u"AltriRecapiti"_s;

// In the order the user meets them.
const QList<CardTarget>& all();

// nullptr for an unknown key.
const CardTarget* find(const QString& key);

}  // namespace CardTargets

}  // namespace velinda
