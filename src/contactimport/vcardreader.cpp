#include "contactimport/vcardreader.h"

#include <QSet>
#include <QStringDecoder>

#include "contactimport/importmessages.h"
#include "core/text.h"
#include "core/windows1252.h"

using namespace Qt::StringLiterals;

namespace {

// One content line: "item1.TEL;TYPE=cell:+39 333 1234567".
struct Property {
  QString name;       // upper case, without its group
  QSet<QString> types;  // lower case
  QString encoding;   // upper case
  QString charset;    // upper case
  QString value;      // as written
};

bool isQuotedPrintable(const QString& line) {
  const qsizetype colon = line.indexOf(u':');
  return colon > 0 && line.first(colon).contains(u"QUOTED-PRINTABLE"_s, Qt::CaseInsensitive);
}

// Physical lines joined back into content lines: a line that begins with a
// blank or tab continues the one before (without that blank), and a
// quoted-printable value ending in "=" goes on in the next line.
QStringList contentLines(const QString& text) {
  QStringList lines;
  QString current;
  bool softBreak = false;
  for (QStringView physical : QStringView(text).tokenize(u'\n')) {
    if (physical.endsWith(u'\r')) physical.chop(1);
    if (softBreak) {
      current += physical;
    } else if (!current.isEmpty() && !physical.isEmpty() &&
               (physical.front() == u' ' || physical.front() == u'\t')) {
      current += physical.sliced(1);
    } else {
      if (!current.isEmpty()) lines.append(current);
      current = physical.toString();
    }
    softBreak = current.endsWith(u'=') && isQuotedPrintable(current);
    if (softBreak) current.chop(1);
  }
  if (!current.isEmpty()) lines.append(current);
  return lines;
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
    }
  }
  // vCard 2.1 names the encoding bare, as a type.
  if (p.types.contains(u"quoted-printable"_s)) p.encoding = u"QUOTED-PRINTABLE"_s;
  if (p.types.contains(u"base64"_s)) p.encoding = u"BASE64"_s;
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

QString decodeBytes(const QByteArray& bytes, const QString& charset) {
  if (charset.isEmpty() || charset == u"UTF-8") {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
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

// One card being read.
class Card {
 public:
  void add(const Property& p) {
    const std::optional<QString> value = valueOf(p);
    if (!value) return;
    if (p.name == u"FN") {
      fullName_ = Text::trimmed(unescaped(*value));
    } else if (p.name == u"N") {
      const QStringList n = components(*value);  // family; given; additional; prefix; suffix
      nameFromParts_ = joinedNonEmpty({n.value(1), n.value(2), n.value(0)}, u" "_s);
    } else if (p.name == u"ORG") {
      put(u"Organizzazione"_s, joinedNonEmpty(components(*value), u", "_s));
    } else if (p.name == u"TITLE") {
      put(u"Qualifica"_s, unescaped(*value));
    } else if (p.name == u"ROLE") {
      put(u"Ruolo"_s, unescaped(*value));
    } else if (p.name == u"ADR") {
      addAddress(components(*value), placeOf(p.types));
    } else if (p.name == u"TEL") {
      QString number = unescaped(*value);
      if (number.startsWith(u"tel:"_s, Qt::CaseInsensitive)) number = number.mid(4);
      put(telephoneName(p.types), number);
    } else if (p.name == u"EMAIL") {
      put(u"E-mail"_s + placeOf(p.types), unescaped(*value));
    } else if (p.name == u"BDAY") {
      put(u"Data di nascita"_s, unescaped(*value));
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
    out.append(values_);
    return out;
  }

  const QString& version() const { return version_; }

 private:
  void put(const QString& name, const QString& value) {
    if (!Text::trimmed(value).isEmpty()) values_.append({name, value});
  }

  // post office box; extended address; street; locality; region; code; country
  void addAddress(const QStringList& adr, const QString& place) {
    QString street = joinedNonEmpty({adr.value(2), adr.value(1)}, u", "_s);
    if (street.isEmpty() && !adr.value(0).isEmpty()) street = u"Casella postale "_s + adr.value(0);
    put(u"Indirizzo"_s + place, street);
    put(u"Località"_s + place, adr.value(3));
    put(u"Provincia"_s + place, adr.value(4));
    put(u"CAP"_s + place, adr.value(5));
    put(u"Nazione"_s + place, adr.value(6));
  }

  QString fullName_;
  QString nameFromParts_;
  QString version_;
  ContactRow values_;
};

}  // namespace

bool VCardReader::recognises(QStringView text) {
  for (QStringView line : text.tokenize(u'\n')) {
    const QString trimmed = Text::trimmed(line.toString());
    if (trimmed.isEmpty()) continue;
    return trimmed.compare(u"BEGIN:VCARD"_s, Qt::CaseInsensitive) == 0;
  }
  return false;
}

ContactTable VCardReader::read(const QString& text) const {
  ContactTable table;
  std::optional<Card> card;
  int cards = 0;
  auto addName = [&table](const QString& name) {
    if (!table.names.contains(name)) table.names.append(name);
  };
  for (const QString& line : contentLines(text)) {
    const std::optional<Property> p = parse(line);
    if (!p) continue;
    const bool vcard = Text::trimmed(p->value).compare(u"VCARD"_s, Qt::CaseInsensitive) == 0;
    const bool begin = vcard && p->name == u"BEGIN";
    const bool end = vcard && p->name == u"END";
    if (begin) {
      if (card) throw ContactFileError(ImportMessages::unclosedCard(cards));
      card.emplace();
      ++cards;
    } else if (end && card) {
      if (table.format.isEmpty())
        table.format = u"vCard "_s + (card->version().isEmpty() ? u"2.1"_s : card->version());
      const ContactRow row = card->row();
      for (const NamedValue& v : row) addName(v.name);
      if (!row.isEmpty()) table.rows.append(row);
      card.reset();
    } else if (card) {
      card->add(*p);
    }
  }
  if (card) throw ContactFileError(ImportMessages::unclosedCard(cards));
  return table;
}
