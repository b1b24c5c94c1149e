#include "contactimport/cardbuilder.h"

#include <QRegularExpression>
#include <climits>

#include "contactimport/cardtargets.h"
#include "contactimport/matchkey.h"
#include "contactimport/provinces.h"
#include "core/text.h"
#include "core/unknownname.h"
#include "core/windows1252.h"

using namespace Qt::StringLiterals;

namespace {

// Fields that take more than a plain copy of their target's text.
const QStringList kComposed = {u"Nome"_s, u"Indirizzo"_s, u"Num"_s, u"Localita"_s,
                               u"Occupazione"_s, u"Email"_s, u"Pec"_s};

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

// ISO dates (vCard, Google) and dotted or dashed Italian ones in the
// program's form dd/mm/yyyy; a date without its year keeps dd/mm; Outlook's
// 0/0/00 is no date; anything else stays as written.
QString italianDate(const QString& text) {
  // Outlook's way of writing no date.
  static const QRegularExpression none(u"^0+[/.-]0+[/.-]0+$"_s);
  static const QRegularExpression iso(u"^(\\d{4})-(\\d{1,2})-(\\d{1,2})(T.*)?$"_s);
  static const QRegularExpression compact(u"^(\\d{4})(\\d{2})(\\d{2})$"_s);
  static const QRegularExpression noYear(u"^--(\\d{2})-?(\\d{2})$"_s);
  static const QRegularExpression italian(u"^(\\d{1,2})[.-](\\d{1,2})[.-](\\d{4})$"_s);
  auto date = [](const QString& day, const QString& month, const QString& year) {
    QString out = day.rightJustified(2, u'0') + u'/' + month.rightJustified(2, u'0');
    return year.isEmpty() ? out : out + u'/' + year;
  };
  if (none.match(text).hasMatch()) return {};
  QRegularExpressionMatch m = iso.match(text);
  if (!m.hasMatch()) m = compact.match(text);
  if (m.hasMatch()) return date(m.captured(3), m.captured(2), m.captured(1));
  m = noYear.match(text);
  if (m.hasMatch()) return date(m.captured(2), m.captured(1), {});
  m = italian.match(text);
  if (m.hasMatch()) return date(m.captured(1), m.captured(2), m.captured(3));
  return text;
}

std::optional<QString> sexLetter(const QString& text) {
  static const QStringList male = {u"m"_s, u"maschio"_s, u"maschile"_s, u"male"_s, u"uomo"_s};
  static const QStringList female = {u"f"_s, u"femmina"_s, u"femminile"_s, u"female"_s,
                                     u"donna"_s};
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

// Addresses at the certified-mail (PEC) providers' domains.
bool isCertifiedMail(const QString& address) {
  static const QStringList providers = {u"legalmail"_s, u"postecert"_s, u"arubapec"_s,
                                        u"sicurezzapostale"_s, u"cert"_s};
  const qsizetype at = address.lastIndexOf(u'@');
  if (at < 0) return false;
  for (const QString& label : Text::lowerAscii(address.mid(at + 1)).split(u'.')) {
    if (label.startsWith(u"pec"_s) || providers.contains(label)) return true;
  }
  return false;
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

// The card being filled, counting what had to be cut.
struct CardWriter {
  BuiltCard card;

  // A new record holds empty fields already, so an empty text is skipped.
  void put(int index, const QString& text) {
    if (text.isEmpty()) return;
    const int capacity = card.record.layout().field(index).capacity;
    if (Windows1252::encode(Text::trimmed(text)).size() > capacity) ++card.cuts;
    card.record.field(index).FromText(text);
  }
  void put(const QString& field, const QString& text) {
    put(NameLookup::requireIndex(card.record.layout().indexOf(field), u"card", field), text);
  }

  // One character in each of the numbered fields `prefix`01, 02, ...
  void spread(const QString& prefix, int count, const QString& text) {
    if (text.size() > count) ++card.cuts;
    for (int i = 0; i < count; ++i)
      put(prefix + QString::number(i + 1).rightJustified(2, u'0'), text.mid(i, 1));
  }
};

}  // namespace

CardBuilder::CardBuilder(const ColumnMapping& mapping) {
  for (const ColumnRule& rule : mapping) {
    if (!rule.target.isEmpty()) rules_.insert(rule.name, rule);
  }
}

BuiltCard CardBuilder::build(const ContactRow& row) const {
  struct Found {
    int address;
    QString text;
  };
  QHash<QString, QList<Found>> found;
  for (const NamedValue& v : row) {
    const auto rule = rules_.constFind(v.name);
    if (rule == rules_.constEnd()) continue;
    const QString text = flattened(v.value);
    if (!text.isEmpty()) found[rule->target].append({rule->address, text});
  }
  // The whole address comes from the first of the contact's addresses that
  // holds anything.
  int address = INT_MAX;
  for (auto it = found.cbegin(); it != found.cend(); ++it) {
    const CardTarget* target = CardTargets::find(it.key());
    for (const Found& f : *it) {
      if (target && target->address) address = qMin(address, f.address);
    }
  }
  auto texts = [&](const CardTarget& target) {
    QStringList out;
    for (const Found& f : found.value(target.key)) {
      if (!target.address || f.address == address) out.append(f.text);
    }
    return out;
  };
  auto joined = [&](const QString& key) {
    const CardTarget& target = *CardTargets::find(key);
    const QStringList all = texts(target);
    switch (target.joining) {
      case Joining::First:
        return all.value(0);
      case Joining::Words:
        return all.join(u' ');
      case Joining::List:
        return all.join(u", "_s);
    }
    return QString();
  };

  CardWriter out;
  const RecordLayout& layout = out.card.record.layout();
  for (const CardTarget& target : CardTargets::all()) {
    const int index = layout.indexOf(target.key);
    if (index < 0 || kComposed.contains(target.key)) continue;
    const std::optional<QString> text = cleaned(joined(target.key), target.cleaning);
    if (text) out.put(index, *text);
    else ++out.card.cuts;
  }

  const QString firm = joined(CardTargets::kFirm);
  QString name = joined(u"Nome"_s);
  QStringList occupation = texts(*CardTargets::find(u"Occupazione"_s));
  // Phones often give a firm's name as the contact's name too.
  if (name.isEmpty()) name = firm;
  else if (!firm.isEmpty() && matchKey(firm) != matchKey(name)) occupation.append(firm);
  out.put(u"Nome"_s, name);
  out.put(u"Occupazione"_s, occupation.join(u", "_s));

  QString email;
  QString pec = cleaned(joined(u"Pec"_s), Cleaning::Mail).value_or(QString());
  for (const QString& mail : texts(*CardTargets::find(u"Email"_s))) {
    const QString address = *cleaned(mail, Cleaning::Mail);
    if (pec.isEmpty() && isCertifiedMail(address)) pec = address;
    else if (email.isEmpty()) email = address;
  }
  out.put(u"Email"_s, email);
  out.put(u"Pec"_s, pec);

  QString street = joined(u"Indirizzo"_s);
  QString number = joined(u"Num"_s);
  if (number.isEmpty()) {
    const QRegularExpressionMatch m = kStreetWithNumber.match(street);
    if (m.hasMatch()) {
      street = m.captured(1);
      number = m.captured(2);
    }
  }
  out.put(u"Indirizzo"_s, street);
  out.put(u"Num"_s, number);

  QString town = joined(u"Localita"_s);
  const QString provinceText = joined(CardTargets::kProvince);
  QString province = provinceCode(provinceText);
  if (!provinceText.isEmpty() && province.isEmpty()) ++out.card.cuts;
  if (provinceText.isEmpty()) {
    const QRegularExpressionMatch m = kTownWithProvince.match(town);
    if (m.hasMatch()) {
      town = m.captured(1);
      province = Text::upperAscii(m.captured(2));
    }
  }
  const QString country = joined(CardTargets::kCountry);
  if (!country.isEmpty() && !isItaly(country))
    town = town.isEmpty() ? country : town + u", "_s + country;
  out.put(u"Localita"_s, town);
  out.spread(u"Prov"_s, 2, province);
  out.spread(u"Cap"_s, 5, *cleaned(joined(CardTargets::kCap), Cleaning::UpperNoBlanks));
  return out.card;
}
