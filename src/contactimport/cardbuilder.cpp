#include "contactimport/cardbuilder.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <climits>

#include "contactimport/cardtargets.h"
#include "contactimport/certifiedmail.h"
#include "contactimport/formattedaddress.h"
#include "contactimport/italiandate.h"
#include "contactimport/matchkey.h"
#include "contactimport/provinces.h"
#include "core/text.h"
#include "core/unknownname.h"
#include "core/windows1252.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

using Kind = CardRemark::Kind;

// Fields filled by more than a plain copy of their target's text.
const QSet<QString> kComposed = {u"Nome"_s,        u"Indirizzo"_s, u"Num"_s, u"Localita"_s,
                                 u"Occupazione"_s, u"Email"_s,     u"Pec"_s, u"Note"_s};

// The parts of an address that make it one a letter can go to.
const QSet<QString> kAddressCore = {u"Indirizzo"_s, u"Localita"_s, CardTargets::kWholeAddress};

const QString kOtherContactsLead = u"Altri recapiti: "_s;

// Every blank run one blank, every line break a comma (or a blank after a
// line that ends in a sign of its own).
QString flattened(const QString& value) {
  QString out;
  QString text = value;
  text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
  for (const QString& line : text.split(u'\n')) {
    const QString part = line.simplified();
    if (part.isEmpty()) continue;
    if (!out.isEmpty()) out += QStringView(u",;:.!?").contains(out.back()) ? u" "_s : u", "_s;
    out += part;
  }
  return out;
}

QString withoutBlanks(const QString& text) {
  QString out;
  for (QChar c : text) {
    if (!c.isSpace()) out += c;
  }
  return out;
}

std::optional<QString> sexLetter(const QString& text) {
  static const QStringList male = {u"m"_s, u"maschio"_s, u"maschile"_s, u"male"_s, u"uomo"_s};
  static const QStringList female = {u"f"_s, u"femmina"_s, u"femminile"_s, u"female"_s, u"donna"_s};
  static const QStringList unknown = {u"unspecified"_s, u"nonspecificato"_s, u"unknown"_s,
                                      u"sconosciuto"_s};
  const QString key = matchKey(text);
  if (unknown.contains(key)) return QString();
  if (male.contains(key)) return u"M"_s;
  if (female.contains(key)) return u"F"_s;
  if (text.size() == 1) return Text::upperAscii(text);
  return std::nullopt;
}

// The text as the field stores it, or nothing when it cannot be stored.
std::optional<QString> cleaned(const QString& text, Cleaning cleaning) {
  if (text.isEmpty()) return text;
  switch (cleaning) {
    case Cleaning::None:
      return text;
    case Cleaning::UpperCase:
      return Text::upperAscii(text);
    case Cleaning::UpperNoBlanks:
      return Text::upperAscii(withoutBlanks(text));
    case Cleaning::DigitsOnly: {
      QString digits;
      for (QChar c : text.startsWith(u"IT"_s, Qt::CaseInsensitive) ? text.mid(2) : text) {
        if (c >= u'0' && c <= u'9') digits += c;
      }
      return digits;
    }
    case Cleaning::Date:
      return italianDate(text);
    case Cleaning::Sex:
      return sexLetter(text);
    case Cleaning::Mail:
      return text.startsWith(u"mailto:"_s, Qt::CaseInsensitive) ? text.mid(7) : text;
  }
  return text;
}

bool isItaly(const QString& country) {
  static const QStringList names = {u"italia"_s, u"italy"_s, u"it"_s, u"ita"_s,
                                    u"repubblicaitaliana"_s};
  return names.contains(matchKey(country));
}

// A street that ends with its house number after a comma, as Italian lists
// write it: "Via Roma, 5", "Via Roma, 12/A", "Via Roma, 7 bis". Without the
// comma a number may belong to the street's name ("Strada Statale 16").
const QRegularExpression kStreetWithNumber(
    u"^(.*\\S)\\s*,\\s*(\\d+\\s*(/\\s*\\w+|[a-z]|bis|ter|quater)?)$"_s,
    QRegularExpression::CaseInsensitiveOption);

// A town written with its province code, "Roma (RM)".
const QRegularExpression kTownWithProvince(u"^(.*\\S)\\s*\\(([A-Za-z]{2})\\)$"_s);

// "«text»" after a caption, for a value the report names.
QString quoted(const QString& caption, const QString& text) {
  return caption + u" \u00AB"_s + text + u"\u00BB"_s;
}

bool sameValue(const QString& a, const QString& b) { return matchKey(a) == matchKey(b); }

// The card being filled, telling what had to be cut.
struct CardWriter {
  BuiltCard card;

  void remark(Kind kind, const QString& text) { card.remarks.append({kind, text}); }

  // A new record holds empty fields already, so an empty text is skipped.
  void put(int index, const QString& text, const QString& caption) {
    if (text.isEmpty()) return;
    const int capacity = card.record.layout().field(index).capacity;
    if (Windows1252::encode(Text::trimmed(text)).size() > capacity) {
      ++card.cuts;
      remark(Kind::Cut, caption);
    }
    card.record.field(index).FromText(text);
  }
  void put(const QString& field, const QString& text) {
    put(NameLookup::requireIndex(card.record.layout().indexOf(field), u"card", field), text,
        CardTargets::find(field)->caption);
  }

  // One character in each of the numbered fields `prefix`01, 02, ...
  void spread(const QString& prefix, int count, const QString& text, const QString& caption) {
    if (text.size() > count) {
      ++card.cuts;
      remark(Kind::Cut, caption);
    }
    for (int i = 0; i < count; ++i) {
      const QString field = prefix + QString::number(i + 1).rightJustified(2, u'0');
      card.record.field(card.record.layout().indexOf(field)).FromText(text.mid(i, 1));
    }
  }

  int room(const QString& field) const {
    return card.record.layout().field(card.record.layout().indexOf(field)).capacity;
  }
};

int encodedLength(const QString& text) {
  return int(Windows1252::encode(Text::trimmed(text)).size());
}

// One value of the contact under its target.
struct Found {
  int address;
  QString text;  // on one line
  QString raw;   // as the file holds it
  QString column;
};

// The values of a contact by target, and the address the card takes.
class Collected {
 public:
  Collected(const QHash<QString, ColumnRule>& rules, const ContactRow& row) {
    for (const NamedValue& v : row) {
      const auto rule = rules.constFind(v.name);
      if (rule == rules.constEnd()) continue;
      const QString text = flattened(v.value);
      if (text.isEmpty()) continue;
      const int address =
          rule->address == AddressGroups::kUnknown ? AddressGroups::kFirst : rule->address;
      found_[rule->target].append({address, text, v.value, v.name});
    }
    chosen_ = chooseAddress();
  }

  int chosen() const { return chosen_; }

  // The values of a target; of an address target, those of one address.
  QStringList texts(const QString& key, std::optional<int> address = std::nullopt) const {
    const CardTarget* target = CardTargets::find(key);
    QStringList out;
    for (const Found& f : found_.value(key)) {
      if (target->address && f.address != address.value_or(chosen_)) continue;
      out.append(f.text);
    }
    return out;
  }
  QList<Found> all(const QString& key) const { return found_.value(key); }

  // The other addresses of the contact, by their number.
  QList<int> otherAddresses() const {
    QList<int> out;
    for (auto it = found_.cbegin(); it != found_.cend(); ++it) {
      const CardTarget* target = CardTargets::find(it.key());
      if (!target || !target->address) continue;
      for (const Found& f : *it) {
        if (f.address != chosen_ && !out.contains(f.address)) out.append(f.address);
      }
    }
    std::sort(out.begin(), out.end());
    return out;
  }

 private:
  // The first of the contact's addresses that a letter can go to: one with
  // a street or a town; else the first with anything.
  int chooseAddress() const {
    int withCore = INT_MAX;
    int withAnything = INT_MAX;
    for (auto it = found_.cbegin(); it != found_.cend(); ++it) {
      const CardTarget* target = CardTargets::find(it.key());
      if (!target || !target->address) continue;
      for (const Found& f : *it) {
        withAnything = qMin(withAnything, f.address);
        if (kAddressCore.contains(it.key())) withCore = qMin(withCore, f.address);
      }
    }
    if (withCore != INT_MAX) return withCore;
    return withAnything != INT_MAX ? withAnything : AddressGroups::kFirst;
  }

  QHash<QString, QList<Found>> found_;
  int chosen_;
};

// The value a target takes first, and those after it that say something
// else, for the note.
struct Firsts {
  QString first;
  QStringList others;
};

Firsts firstsOf(const QStringList& values) {
  Firsts out;
  for (const QString& v : values) {
    if (v.isEmpty()) continue;
    if (out.first.isEmpty())
      out.first = v;
    else if (!sameValue(v, out.first) && !out.others.contains(v))
      out.others.append(v);
  }
  return out;
}

// An address of the contact written on one line, for the note.
QString addressLine(const Collected& values, int address) {
  auto first = [&](const QString& key) { return values.texts(key, address).value(0); };
  QString street = values.texts(u"Indirizzo"_s, address).join(u' ');
  const QString number = first(u"Num"_s);
  if (!number.isEmpty()) street += (street.isEmpty() ? u""_s : u", "_s) + number;
  QString town = values.texts(u"Localita"_s, address).join(u' ');
  const QString cap = first(CardTargets::kCap);
  if (!cap.isEmpty()) town = cap + (town.isEmpty() ? u""_s : u" "_s + town);
  const QString province = first(CardTargets::kProvince);
  if (!province.isEmpty()) town += (town.isEmpty() ? u""_s : u" "_s) + province;
  QStringList parts;
  for (const QString& part : {street, town, first(CardTargets::kCountry)}) {
    if (!part.isEmpty()) parts.append(part);
  }
  if (parts.isEmpty()) return flattened(values.texts(CardTargets::kWholeAddress, address).value(0));
  return parts.join(u", "_s);
}

}  // namespace

QStringList BuiltCard::remarksOf(CardRemark::Kind kind) const {
  QStringList out;
  for (const CardRemark& r : remarks) {
    if (r.kind == kind) out.append(r.text);
  }
  return out;
}

CardBuilder::CardBuilder(const ColumnMapping& mapping) {
  for (const ColumnRule& rule : mapping) {
    if (!rule.target.isEmpty()) rules_.insert(rule.name, rule);
  }
}

BuiltCard CardBuilder::build(const ContactRow& row) const {
  const Collected values(rules_, row);
  CardWriter out;
  QStringList forNote;
  auto toNote = [&](const CardTarget& target, const QStringList& others) {
    const QString label = target.noteLabel.isEmpty() ? target.caption : target.noteLabel;
    for (const QString& other : others) forNote.append(label + u' ' + other);
  };

  const RecordLayout& layout = out.card.record.layout();
  for (const CardTarget& target : CardTargets::all()) {
    const int index = layout.indexOf(target.key);
    if (index < 0 || kComposed.contains(target.key)) continue;
    const QStringList texts = values.texts(target.key);
    QStringList stored;
    for (const QString& text : texts) {
      const std::optional<QString> clean = cleaned(text, target.cleaning);
      if (clean)
        stored.append(*clean);
      else
        out.remark(Kind::NotStored, quoted(target.caption, text));
    }
    switch (target.joining) {
      case Joining::First: {
        const Firsts firsts = firstsOf(stored);
        out.put(index, firsts.first, target.caption);
        toNote(target, firsts.others);
        break;
      }
      case Joining::Words:
        out.put(index, stored.join(u' '), target.caption);
        break;
      case Joining::List:
        out.put(index, stored.join(u", "_s), target.caption);
        break;
    }
  }
  if (out.card.record.text(u"DataNasc").isEmpty()) {
    out.put(u"DataNasc"_s, dateFromParts(values.texts(CardTargets::kBirthDay).value(0),
                                         values.texts(CardTargets::kBirthMonth).value(0),
                                         values.texts(CardTargets::kBirthYear).value(0)));
  }

  const QString firm = values.texts(CardTargets::kFirm).join(u' ');
  QString name = values.texts(u"Nome"_s).join(u' ');
  QStringList occupation = values.texts(u"Occupazione"_s);
  // Phones often give a firm's name as the contact's name too.
  if (name.isEmpty())
    name = firm;
  else if (!firm.isEmpty() && matchKey(firm) != matchKey(name))
    occupation.append(firm);
  out.put(u"Nome"_s, name);
  out.put(u"Occupazione"_s, occupation.join(u", "_s));

  QString email;
  QStringList pecs;
  for (const QString& pec : values.texts(u"Pec"_s)) pecs.append(*cleaned(pec, Cleaning::Mail));
  Firsts pec = firstsOf(pecs);
  for (const QString& mail : values.texts(u"Email"_s)) {
    const QString address = *cleaned(mail, Cleaning::Mail);
    if (sameValue(address, email) || sameValue(address, pec.first)) continue;
    if (pec.first.isEmpty() && isCertifiedMail(address))
      pec.first = address;
    else if (email.isEmpty())
      email = address;
    else
      toNote(*CardTargets::find(u"Email"_s), {address});
  }
  out.put(u"Email"_s, email);
  out.put(u"Pec"_s, pec.first);
  toNote(*CardTargets::find(u"Pec"_s), pec.others);

  // The address the card takes, whole.
  QString street = values.texts(u"Indirizzo"_s).join(u' ');
  Firsts number = firstsOf(values.texts(u"Num"_s));
  QString town = values.texts(u"Localita"_s).join(u' ');
  Firsts provinceText = firstsOf(values.texts(CardTargets::kProvince));
  Firsts country = firstsOf(values.texts(CardTargets::kCountry));
  Firsts cap = firstsOf(values.texts(CardTargets::kCap));
  if (street.isEmpty() && town.isEmpty() && cap.first.isEmpty()) {
    const QList<Found> whole = values.all(CardTargets::kWholeAddress);
    for (const Found& f : whole) {
      if (f.address != values.chosen()) continue;
      const AddressParts parts = splitFormattedAddress(f.raw);
      street = parts.street;
      town = parts.town;
      cap.first = parts.cap;
      if (provinceText.first.isEmpty()) provinceText.first = parts.province;
      if (country.first.isEmpty()) country.first = parts.country;
      break;
    }
  }
  for (const auto& [key, others] : {std::pair{u"Num"_s, number.others},
                                    {CardTargets::kProvince, provinceText.others},
                                    {CardTargets::kCountry, country.others},
                                    {CardTargets::kCap, cap.others}})
    toNote(*CardTargets::find(key), others);

  if (number.first.isEmpty()) {
    const QRegularExpressionMatch m = kStreetWithNumber.match(street);
    if (m.hasMatch()) {
      street = m.captured(1);
      number.first = m.captured(2);
    }
  }
  out.put(u"Indirizzo"_s, street);
  out.put(u"Num"_s, number.first);

  QString province = provinceCode(provinceText.first);
  if (!provinceText.first.isEmpty() && province.isEmpty())
    out.remark(Kind::NotStored, quoted(u"Provincia"_s, provinceText.first));
  if (provinceText.first.isEmpty()) {
    const QRegularExpressionMatch m = kTownWithProvince.match(town);
    if (m.hasMatch()) {
      town = m.captured(1);
      province = Text::upperAscii(m.captured(2));
    }
  }
  const bool abroad = !country.first.isEmpty() && !isItaly(country.first);
  QString capText = *cleaned(cap.first, Cleaning::UpperNoBlanks);
  if (!capText.isEmpty()) {
    const bool digits = Text::isAsciiDigits(capText);
    if (digits && capText.size() < 5 && capText.size() >= 3 && !abroad) {
      const QString whole = capText.rightJustified(5, u'0');
      out.remark(Kind::CapCompleted, u"%1 \u2192 %2"_s.arg(capText, whole));
      capText = whole;
    } else if (digits && capText.size() < 3 && !abroad) {
      out.remark(Kind::NotStored, quoted(u"CAP"_s, cap.first));
      capText.clear();
    } else if (!digits || (abroad && capText.size() != 5)) {
      // A foreign postcode is written as that country writes it, before
      // the town, and never forced into the five boxes.
      out.remark(Kind::PostcodeInTown, quoted(u"CAP"_s, cap.first));
      town = cap.first + (town.isEmpty() ? u""_s : u" "_s + town);
      capText.clear();
    }
  }
  if (abroad) town = town.isEmpty() ? country.first : town + u", "_s + country.first;
  out.put(u"Localita"_s, town);
  out.spread(u"Prov"_s, 2, province, u"Provincia"_s);
  out.spread(u"Cap"_s, 5, capText, u"CAP"_s);

  for (int address : values.otherAddresses()) {
    const QString line = addressLine(values, address);
    // A country or a province alone, the same as the card's, says nothing.
    if (line.isEmpty() || sameValue(line, country.first) || sameValue(line, provinceText.first) ||
        isItaly(line))
      continue;
    forNote.append(u"Altro indirizzo: "_s + line);
  }
  for (const Found& f : values.all(CardTargets::kOtherContacts))
    forNote.append(f.column + u": "_s + f.text);

  // The note, then the values that found their field taken, as long as
  // the note has room for them.
  const QString note = values.texts(u"Note"_s).join(u", "_s);
  const int room = out.room(u"Note"_s);
  QString block;
  QStringList placed;
  auto joinedNote = [&](const QString& more) {
    if (note.isEmpty() || more.isEmpty()) return note + more;
    return note + (QStringView(u".;:!?").contains(note.back()) ? u" "_s : u". "_s) + more;
  };
  for (const QString& entry : forNote) {
    const QString candidate =
        block.isEmpty() ? kOtherContactsLead + entry : block + u"; "_s + entry;
    if (encodedLength(joinedNote(candidate)) <= room) {
      block = candidate;
      placed.append(entry);
    } else {
      out.remark(Kind::NotStored, entry + u" (la nota non ha più spazio)"_s);
    }
  }
  out.put(u"Note"_s, joinedNote(block));
  if (!placed.isEmpty()) out.remark(Kind::InNote, placed.join(u"; "_s));
  return out.card;
}

}  // namespace velinda
