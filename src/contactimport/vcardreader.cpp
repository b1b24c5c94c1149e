#include "contactimport/vcardreader.h"

#include <QSet>
#include <QStringDecoder>
#include <algorithm>

#include "contactimport/importmessages.h"
#include "contactimport/textdecoding.h"
#include "core/text.h"
#include "core/windows1252.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// One content line: "item1.TEL;TYPE=cell:+39 333 1234567".
struct Property {
  QString name;         // upper case, without its group
  QSet<QString> types;  // lower case
  QString encoding;     // upper case
  QString charset;      // upper case
  int preference = 0;   // 1 for the most preferred, 0 for none
  bool hasLanguage = false;
  QString value;  // as written
};

bool isQuotedPrintable(const QString& line) {
  const qsizetype colon = line.indexOf(u':');
  return colon > 0 && line.first(colon).contains(u"QUOTED-PRINTABLE"_s, Qt::CaseInsensitive);
}

// Splits at `separator` where it is neither escaped by a backslash nor,
// when `quotes` is set, inside double quotes.
QStringList splitUnescaped(QStringView text, QChar separator, bool quotes) {
  QStringList parts;
  QString part;
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\\' && i + 1 < text.size()) {
      part += c;
      part += text[++i];
    } else if (quotes && c == u'"') {
      quoted = !quoted;
      part += c;
    } else if (c == separator && !quoted) {
      parts.append(part);
      part.clear();
    } else {
      part += c;
    }
  }
  parts.append(part);
  return parts;
}

QString unescaped(QStringView text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'\\' && i + 1 < text.size()) {
      const QChar next = text[++i];
      out += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
    } else {
      out += text[i];
    }
  }
  return out;
}

QString unquoted(QString text) {
  if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"')
    text = text.mid(1, text.size() - 2);
  return text;
}

std::optional<Property> parse(const QString& line) {
  // The name and parameters end at the first colon outside quotes.
  bool quoted = false;
  qsizetype colon = -1;
  for (qsizetype i = 0; i < line.size() && colon < 0; ++i) {
    if (line[i] == u'"') quoted = !quoted;
    if (line[i] == u':' && !quoted) colon = i;
  }
  if (colon <= 0) return std::nullopt;
  const QStringList head = splitUnescaped(QStringView(line).first(colon), u';', true);
  Property p;
  p.name = Text::upperAscii(head.first().section(u'.', -1));
  p.value = line.mid(colon + 1);
  for (qsizetype i = 1; i < head.size(); ++i) {
    const QString& param = head[i];
    const qsizetype equals = param.indexOf(u'=');
    const QString key =
        equals < 0 ? u"TYPE"_s : Text::upperAscii(Text::trimmed(param.first(equals)));
    const QString value = equals < 0 ? param : param.mid(equals + 1);
    if (key == u"TYPE") {
      for (const QString& type : splitUnescaped(unquoted(value), u',', true))
        p.types.insert(Text::lowerAscii(Text::trimmed(unquoted(type))));
    } else if (key == u"ENCODING") {
      p.encoding = Text::upperAscii(Text::trimmed(value));
    } else if (key == u"CHARSET") {
      p.charset = Text::upperAscii(Text::trimmed(value));
    } else if (key == u"PREF") {
      p.preference = qMax(1, unquoted(value).toInt());
    } else if (key == u"LANGUAGE") {
      p.hasLanguage = true;
    }
  }
  // vCard 2.1 names the encoding bare, as a type; 2.1 and 3.0 mark the
  // preferred value with a type.
  if (p.types.contains(u"quoted-printable"_s)) p.encoding = u"QUOTED-PRINTABLE"_s;
  if (p.types.contains(u"base64"_s)) p.encoding = u"BASE64"_s;
  if (p.types.contains(u"pref"_s) && p.preference == 0) p.preference = 1;
  return p;
}

QByteArray fromQuotedPrintable(const QString& text) {
  const QByteArray in = text.toLatin1();
  QByteArray out;
  for (qsizetype i = 0; i < in.size(); ++i) {
    if (in[i] == '=' && i + 2 < in.size()) {
      bool ok = false;
      const int byte = in.mid(i + 1, 2).toInt(&ok, 16);
      if (ok) {
        out += char(byte);
        i += 2;
        continue;
      }
    }
    out += in[i];
  }
  return out;
}

// A value declared UTF-8 keeps its letters when one byte in it is not:
// only that byte becomes the replacement character. Without a character
// set, bytes are read as the rest of the file is.
QString decodeBytes(const QByteArray& bytes, const QString& charset) {
  if (charset.isEmpty()) return decodeUtf8OrWindows1252(bytes);
  if (charset == u"UTF-8" || charset == u"UTF8") {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    return utf8.decode(bytes);
  }
  return Windows1252::decode(bytes);
}

// The property's value, quoted-printable undone; nullopt for binary data.
std::optional<QString> valueOf(const Property& p) {
  if (p.encoding == u"QUOTED-PRINTABLE")
    return decodeBytes(fromQuotedPrintable(p.value), p.charset);
  if (p.encoding == u"BASE64" || p.encoding == u"B") return std::nullopt;
  return p.value;
}

QStringList components(const QString& value) {
  QStringList parts;
  for (const QString& part : splitUnescaped(value, u';', false))
    parts.append(Text::trimmed(unescaped(part)));
  return parts;
}

QString joinedNonEmpty(const QStringList& parts, const QString& separator) {
  QStringList kept;
  for (const QString& part : parts) {
    if (!part.isEmpty()) kept.append(part);
  }
  return kept.join(separator);
}

// "(lavoro)" or "(casa)" after a value's name, from the property's types.
QString placeOf(const QSet<QString>& types) {
  if (types.contains(u"work"_s)) return u" (lavoro)"_s;
  if (types.contains(u"home"_s)) return u" (casa)"_s;
  return {};
}

QString telephoneName(const QSet<QString>& types) {
  if (types.contains(u"cell"_s)) return u"Telefono (cellulare)"_s;
  if (types.contains(u"fax"_s)) return u"Fax"_s + placeOf(types);
  if (types.contains(u"pager"_s)) return u"Cercapersone"_s;
  return u"Telefono"_s + placeOf(types);
}

QString emailName(const QSet<QString>& types) {
  if (types.contains(u"pec"_s)) return u"E-mail (PEC)"_s;
  return u"E-mail"_s + placeOf(types);
}

// vCard 4.0's GENDER: "M", "F", "O" (other), "N" (none), "U" (unknown),
// with an optional text after a semicolon.
QString genderLetter(const QString& value) {
  const QString sex = Text::upperAscii(Text::trimmed(components(value).value(0)));
  return sex == u"M" || sex == u"F" || sex == u"O" ? sex : QString();
}

}  // namespace

// One card being read.
class VCardReader::Card {
 public:
  explicit Card(int line) : line_(line) {}

  void add(const Property& p) {
    const std::optional<QString> value = valueOf(p);
    if (!value) return;
    if (p.name == u"FN") {
      // Further names are the same person in another language or script.
      const QString name = Text::trimmed(unescaped(*value));
      if (fullName_.isEmpty())
        fullName_ = name;
      else
        put(u"Altro nome"_s, name);
    } else if (p.name == u"N") {
      const QStringList n = components(*value);  // family; given; additional; prefix; suffix
      if (nameFromParts_.isEmpty())
        nameFromParts_ = joinedNonEmpty({n.value(1), n.value(2), n.value(0)}, u" "_s);
    } else if (p.name == u"ORG") {
      put(u"Organizzazione"_s, joinedNonEmpty(components(*value), u", "_s));
    } else if (p.name == u"TITLE") {
      put(u"Qualifica"_s, unescaped(*value));
    } else if (p.name == u"ROLE") {
      put(u"Ruolo"_s, unescaped(*value));
    } else if (p.name == u"ADR") {
      if (addressesAt_ < 0) addressesAt_ = int(values_.size());
      addresses_.append({components(*value), p.types, p.preference, int(addresses_.size())});
    } else if (p.name == u"TEL") {
      QString number = unescaped(*value);
      if (number.startsWith(u"tel:"_s, Qt::CaseInsensitive)) number = number.mid(4);
      put(telephoneName(p.types), number);
    } else if (p.name == u"EMAIL") {
      put(emailName(p.types), unescaped(*value));
    } else if (p.name == u"BDAY") {
      put(u"Data di nascita"_s, unescaped(*value));
    } else if (p.name == u"GENDER") {
      put(u"Sesso"_s, genderLetter(*value));
    } else if (p.name == u"NOTE") {
      put(u"Note"_s, unescaped(*value));
    } else if (p.name == u"VERSION") {
      version_ = Text::trimmed(*value);
    }
  }

  ContactRow row() const {
    ContactRow out;
    const QString name = fullName_.isEmpty() ? nameFromParts_ : fullName_;
    if (!name.isEmpty()) out.append({u"Nome completo"_s, name});
    const int at = addressesAt_ < 0 ? int(values_.size()) : addressesAt_;
    out.append(values_.first(at));
    out.append(addressValues());
    out.append(values_.sliced(at));
    return out;
  }

  int line() const { return line_; }
  const QString& version() const { return version_; }

 private:
  struct Address {
    QStringList parts;  // post office box; extended; street; locality; region; code; country
    QSet<QString> types;
    int preference;
    int order;
  };

  void put(const QString& name, const QString& value) {
    if (!Text::trimmed(value).isEmpty()) values_.append({name, value});
  }

  // The addresses in the order a letter would use them, each named after
  // its rank and place.
  ContactRow addressValues() const {
    QList<Address> ranked = addresses_;
    auto rank = [](const Address& a) {
      const int preferred = a.preference > 0 ? a.preference : 1000;
      const int home = a.types.contains(u"home"_s) ? 0 : 1;
      return std::tuple{preferred, home, a.order};
    };
    std::sort(ranked.begin(), ranked.end(),
              [&](const Address& a, const Address& b) { return rank(a) < rank(b); });
    ContactRow out;
    for (int n = 0; n < ranked.size(); ++n) {
      const Address& a = ranked[n];
      const QString suffix = (n == 0 ? QString() : u" %1"_s.arg(n + 1)) + placeOf(a.types);
      auto add = [&](const QString& name, const QString& value) {
        if (!Text::trimmed(value).isEmpty()) out.append({name + suffix, value});
      };
      QString street = joinedNonEmpty({a.parts.value(2), a.parts.value(1)}, u", "_s);
      if (street.isEmpty() && !a.parts.value(0).isEmpty())
        street = u"Casella postale "_s + a.parts.value(0);
      add(u"Indirizzo"_s, street);
      add(u"Località"_s, a.parts.value(3));
      add(u"Provincia"_s, a.parts.value(4));
      add(u"CAP"_s, a.parts.value(5));
      add(u"Nazione"_s, a.parts.value(6));
    }
    return out;
  }

  int line_;
  QString fullName_;
  QString nameFromParts_;
  QString version_;
  ContactRow values_;
  QList<Address> addresses_;
  int addressesAt_ = -1;
};

VCardReader::VCardReader() = default;
VCardReader::~VCardReader() = default;

bool VCardReader::recognises(QStringView text) {
  for (QStringView line : text.tokenize(u'\n')) {
    const QString trimmed = Text::trimmed(line.toString());
    if (trimmed.isEmpty()) continue;
    return trimmed.compare(u"BEGIN:VCARD"_s, Qt::CaseInsensitive) == 0;
  }
  return false;
}

void VCardReader::add(QStringView text) {
  qsizetype start = 0;
  for (qsizetype end = text.indexOf(u'\n'); end >= 0; end = text.indexOf(u'\n', start)) {
    if (partial_.isEmpty()) {
      addPhysicalLine(text.sliced(start, end - start));
    } else {
      partial_ += text.sliced(start, end - start);
      addPhysicalLine(std::exchange(partial_, {}));
    }
    start = end + 1;
  }
  partial_ += text.sliced(start);
}

// Physical lines are joined back into content lines: a line that begins
// with a blank or tab continues the one before (without that blank), and a
// quoted-printable value ending in "=" goes on in the next line.
void VCardReader::addPhysicalLine(QStringView physical) {
  ++line_;
  if (physical.endsWith(u'\r')) physical.chop(1);
  if (softBreak_) {
    current_ += physical;
  } else if (!current_.isEmpty() && !physical.isEmpty() &&
             (physical.front() == u' ' || physical.front() == u'\t')) {
    current_ += physical.sliced(1);
  } else {
    if (!current_.isEmpty()) addContentLine(current_);
    current_ = physical.toString();
    currentLine_ = line_;
  }
  softBreak_ = current_.endsWith(u'=') && isQuotedPrintable(current_);
  if (softBreak_) current_.chop(1);
}

void VCardReader::addContentLine(const QString& line) {
  const std::optional<Property> p = parse(line);
  if (!p) return;
  const bool vcard = Text::trimmed(p->value).compare(u"VCARD"_s, Qt::CaseInsensitive) == 0;
  const bool begin = vcard && p->name == u"BEGIN";
  const bool end = vcard && p->name == u"END";
  if (begin) {
    if (card_) throw ContactFileError(ImportMessages::unclosedCard(cards_));
    card_ = std::make_unique<Card>(currentLine_);
    ++cards_;
  } else if (end && card_) {
    if (table_.format.isEmpty())
      table_.format = u"vCard "_s + (card_->version().isEmpty() ? u"2.1"_s : card_->version());
    const ContactRow row = card_->row();
    if (!row.isEmpty()) table_.rows.append(row, {card_->line(), 0, false});
    card_.reset();
  } else if (card_) {
    card_->add(*p);
  }
}

ContactTable VCardReader::finish() {
  if (!partial_.isEmpty()) addPhysicalLine(std::exchange(partial_, {}));
  if (!current_.isEmpty()) addContentLine(std::exchange(current_, {}));
  if (card_) throw ContactFileError(ImportMessages::unclosedCard(cards_));
  if (table_.rows.isEmpty()) throw ContactFileError(ImportMessages::kNoContacts);
  table_.names = table_.rows.names();
  table_.rows.squeeze();
  return std::move(table_);
}

}  // namespace velinda
