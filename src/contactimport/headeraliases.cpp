#include "contactimport/headeraliases.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <initializer_list>

#include "contactimport/cardtargets.h"
#include "contactimport/matchkey.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

using namespace AddressGroups;

enum class Name { Whole, Part, Neither };

struct AliasGroup {
  const char* target;
  int address;
  std::initializer_list<const char*> headers;
  Name name = Name::Neither;
};

// Column names as Italian and English spreadsheets, this program's own
// export and its vCard reader write them, and the export headers of Outlook
// (English and Italian), Thunderbird (English and Italian) and Google
// Contacts. Matching ignores case, accents, blanks and signs.
const AliasGroup kGroups[] = {
    {"Nome",
     kFirst,
     {"Nome completo", "Nome e cognome", "Cognome e nome", "Nominativo", "Name", "Full name",
      "Display name", "Nome visualizzato", "Nome, cognome o ragione sociale", "Destinatario",
      "Intestatario", "Cliente"},
     Name::Whole},
    {"Nome",
     kFirst,
     {"Nome", "Secondo nome", "Cognome", "Nome proprio", "First name", "Given name", "Middle name",
      "Additional name", "Last name", "Family name", "Surname"},
     Name::Part},
    {"Ditta",
     kFirst,
     {"Ragione sociale", "Denominazione", "Azienda", "Ditta", "Società", "Ente", "Organizzazione",
      "Company", "Organization", "Organization name", "Organization 1 - Name"}},

    // A street, or the street of a contact's only or first address.
    {"Indirizzo",
     kFirst,
     {"Indirizzo", "Via", "Via e numero civico", "Via e numero", "Indirizzo di residenza", "Street",
      "Street address", "Address", "Indirizzo (lavoro)", "Indirizzo (casa)"}},
    {"Indirizzo",
     kWork,
     {"Business street", "Business street 2", "Business street 3", "Via (uff.)", "Via (uff.) 2",
      "Via (uff.) 3", "Work address", "Work address 2", "Indirizzo di lavoro",
      "Indirizzo di lavoro 2"}},
    {"Indirizzo",
     kHome,
     {"Home street", "Home street 2", "Home street 3", "Via (ab.)", "Via (ab.) 2", "Via (ab.) 3",
      "Home address", "Home address 2", "Indirizzo di casa", "Indirizzo di casa 2"}},
    {"Indirizzo",
     kOther,
     {"Other street", "Other street 2", "Other street 3", "Altra via", "Altra via 2",
      "Altra via 3"}},
    {"Num", kFirst, {"N. civico", "Numero civico", "Civico", "Num. civico", "House number"}},
    {"CAP",
     kFirst,
     {"CAP", "Codice postale", "Codice di avviamento postale", "ZIP", "ZIP code", "Postal code",
      "Postcode", "Post code", "CAP (lavoro)", "CAP (casa)"}},
    {"CAP", kWork, {"Business postal code", "CAP (uff.)", "Work ZipCode", "CAP di lavoro"}},
    {"CAP", kHome, {"Home postal code", "CAP (ab.)", "Home ZipCode", "CAP di residenza"}},
    {"CAP", kOther, {"Other postal code", "Altro CAP"}},
    {"Localita",
     kFirst,
     {"Località", "Città", "Comune", "City", "Town", "Locality", "Località (lavoro)",
      "Località (casa)"}},
    {"Localita", kWork, {"Business city", "Città (uff.)", "Work city", "Città di lavoro"}},
    {"Localita", kHome, {"Home city", "Città (ab.)", "Città di residenza"}},
    {"Localita", kOther, {"Other city", "Altra città"}},
    {"Provincia",
     kFirst,
     {"Provincia", "Prov.", "Sigla provincia", "State", "Province", "Region", "Provincia (lavoro)",
      "Provincia (casa)"}},
    {"Provincia",
     kWork,
     {"Business state", "Provincia (uff.)", "Work state", "Provincia di lavoro"}},
    {"Provincia", kHome, {"Home state", "Provincia (ab.)", "Provincia di residenza"}},
    {"Provincia", kOther, {"Other state", "Altra provincia"}},
    {"Paese",
     kFirst,
     {"Nazione", "Country", "Country/Region", "Paese/area geografica", "Stato estero",
      "Nazione (lavoro)", "Nazione (casa)"}},
    {"Paese",
     kWork,
     {"Business country/region", "Business country", "Paese/area geografica (uff.)", "Work country",
      "Nazione di lavoro"}},
    {"Paese",
     kHome,
     {"Home country/region", "Home country", "Paese/area geografica (ab.)",
      "Nazione di residenza"}},
    {"Paese", kOther, {"Other country/region", "Other country", "Altro paese/area geografica"}},

    {"Tel",
     kFirst,
     {"Telefono",
      "Tel.",
      "Telefono fisso",
      "Telefono principale",
      "Telefono (uff.)",
      "Telefono (uff.) 2",
      "Telefono (ab.)",
      "Telefono (ab.) 2",
      "Telefono principale società",
      "Altro telefono",
      "Telefono (lavoro)",
      "Telefono (casa)",
      "Ufficio",
      "Ufficio 2",
      "Abitazione",
      "Abitazione 2",
      "Telefono auto",
      "Radiotelefono",
      "Richiamata automatica",
      "Telefono lavoro",
      "Telefono casa",
      "Phone",
      "Telephone",
      "Phone number",
      "Primary phone",
      "Business phone",
      "Business phone 2",
      "Home phone",
      "Home phone 2",
      "Company main phone",
      "Other phone",
      "Car phone",
      "Radio phone",
      "Callback",
      "Work phone"}},
    {"Cel",
     kFirst,
     {"Cellulare", "Cell.", "Tel. cellulare", "Telefono cellulare", "Numero di cellulare",
      "Numero cellulare", "Telefono (cellulare)", "Mobile", "Mobile phone", "Mobile number",
      "Cell phone", "Cellphone"}},
    {"Email",
     kFirst,
     {"E-mail", "Mail", "Indirizzo e-mail", "Posta elettronica", "Indirizzo posta elettronica",
      "Indirizzo posta elettronica 2", "Indirizzo posta elettronica 3", "E-mail (lavoro)",
      "E-mail (casa)", "E-mail address", "E-mail 2 address", "E-mail 3 address", "Email primaria",
      "Email secondaria", "Primary email", "Secondary email"}},
    {"Pec",
     kFirst,
     {"PEC", "Posta elettronica certificata", "Indirizzo PEC", "E-mail PEC", "E-mail (PEC)"}},
    {"AltriRecapiti",
     kFirst,
     {"Fax", "Fax (uff.)", "Fax (ab.)", "Altro fax", "Fax (lavoro)", "Fax (casa)", "Numero fax",
      "Cercapersone", "Numero cercapersone", "Business fax", "Home fax", "Other fax", "Pager",
      "Fax number", "Pager number"}},
    {"DataNasc",
     kFirst,
     {"Data di nascita", "Data nascita", "Nato il", "Nata il", "Compleanno", "Birthday",
      "Date of birth", "Birth date", "DOB"}},
    {"Sesso", kFirst, {"Sesso", "Genere", "Sex", "Gender"}},
    {"LuogoNasc",
     kFirst,
     {"Luogo di nascita", "Luogo nascita", "Comune di nascita", "Nato a", "Nata a",
      "Place of birth", "Birthplace"}},
    {"CodFisc",
     kFirst,
     {"Codice fiscale", "Cod. fiscale", "Cod. fisc.", "C.F.", "Tax code", "Fiscal code",
      "Cod. Fisc./P. IVA", "Government ID number"}},
    {"PartitaIva",
     kFirst,
     {"Partita IVA", "P. IVA", "Numero partita IVA", "VAT", "VAT number", "VAT ID"}},
    {"Iban", kFirst, {"IBAN", "Codice IBAN"}},
    {"Carta", kFirst, {"Carta di credito", "Carta di credito n.", "Numero carta di credito"}},
    {"ScadeCarta", kFirst, {"Scadenza", "Scadenza carta", "Scadenza carta di credito"}},
    {"Cittadinanza", kFirst, {"Cittadinanza", "Nazionalità", "Citizenship", "Nationality"}},
    {"Occupazione",
     kFirst,
     {"Occupazione", "Professione", "Qualifica", "Posizione", "Ruolo", "Job title", "Role",
      "Occupation", "Profession", "Organization title", "Organization 1 - Title"}},
    {"Civile", kFirst, {"Stato civile", "Marital status"}},
    {"TipoDoc",
     kFirst,
     {"Documento", "Documento (tipo e numero)", "Documento di identità", "Documento d'identità"}},
    {"EnteRil", kFirst, {"Ente rilascio", "Ente di rilascio", "Rilasciato da"}},
    {"DataRil", kFirst, {"Data rilascio", "Data di rilascio"}},
    {"DataSca", kFirst, {"Data scadenza", "Data di scadenza", "Scadenza documento"}},
    {"Prodotti", kFirst, {"Prodotti di interesse", "Prodotti", "Servizi di interesse"}},
    {"Questioni", kFirst, {"Questioni in sospeso", "Questioni", "Da fare"}},
    {"Note",
     kFirst,
     {"Note", "Nota", "Annotazioni", "Osservazioni", "Commenti", "Notes", "Comments"}},
};

// Names that differ from another only by a blank ("Birth Day" is the day,
// "Birthday" the whole date), so matched word by word.
const AliasGroup kByWords[] = {
    {"GiornoNascita", kFirst, {"Birth Day", "Giorno di nascita", "Giorno nascita"}},
    {"MeseNascita", kFirst, {"Birth Month", "Mese di nascita", "Mese nascita"}},
    {"AnnoNascita", kFirst, {"Birth Year", "Anno di nascita", "Anno nascita"}},
};

// Google Contacts numbers its addresses: "Address 1 - Street", ...
struct NumberedPart {
  const char* target;
  const char* part;
};
const NumberedPart kGoogleAddress[] = {
    {"Indirizzo", "Street"}, {"Indirizzo", "Extended Address"},
    {"Indirizzo", "PO Box"}, {"Localita", "City"},
    {"Provincia", "Region"}, {"CAP", "Postal Code"},
    {"Paese", "Country"},    {"IndirizzoCompleto", "Formatted"},
};
// The vCard reader names a card's further addresses "Indirizzo 2 (casa)".
const NumberedPart kVCardAddress[] = {
    {"Indirizzo", "Indirizzo"}, {"Localita", "Località"},
    {"Provincia", "Provincia"}, {"CAP", "CAP"},
    {"Paese", "Nazione"},
};
const char* const kVCardPlaces[] = {"", " (casa)", " (lavoro)"};

struct Alias {
  QString target;
  int address;
  Name name;
};

// Small letters without accents, each run of other signs one blank.
QString wordsKey(const QString& text) {
  QString key;
  bool blank = false;
  for (QChar c : text.normalized(QString::NormalizationForm_D).toLower()) {
    if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) {
      if (blank && !key.isEmpty()) key += u' ';
      key += c;
      blank = false;
    } else if (!c.isMark()) {
      blank = true;
    }
  }
  return key;
}

struct Tables {
  QHash<QString, Alias> byWords;
  QHash<QString, Alias> loose;
};

const Tables& tables() {
  static const Tables t = [] {
    Tables out;
    auto add = [&out](const QString& header, const Alias& alias) {
      out.loose.insert(matchKey(header), alias);
    };
    for (const AliasGroup& group : kGroups) {
      for (const char* header : group.headers)
        add(QString::fromUtf8(header),
            {QString::fromLatin1(group.target), group.address, group.name});
    }
    for (const AliasGroup& group : kByWords) {
      for (const char* header : group.headers)
        out.byWords.insert(wordsKey(QString::fromUtf8(header)),
                           {QString::fromLatin1(group.target), group.address, group.name});
    }
    for (int n = 1; n <= kMostNumbered; ++n) {
      for (const NumberedPart& p : kGoogleAddress)
        add(u"Address %1 - %2"_s.arg(n).arg(QString::fromLatin1(p.part)),
            {QString::fromLatin1(p.target), n, Name::Neither});
      if (n == 1) continue;
      for (const NumberedPart& p : kVCardAddress) {
        for (const char* place : kVCardPlaces)
          add(u"%1 %2%3"_s.arg(QString::fromUtf8(p.part)).arg(n).arg(QString::fromUtf8(place)),
              {QString::fromLatin1(p.target), n, Name::Neither});
      }
    }
    return out;
  }();
  return t;
}

// A phone or an e-mail address named after a label of Google's or a
// phone's: "Phone (Mobile)", "E-mail (Lavoro)", "Telefono (Fax casa)".
std::optional<Alias> labelledValue(const QString& name) {
  static const QRegularExpression labelled(u"^\\s*(e-?mail|phone|telefono)\\s*\\((.*)\\)\\s*$"_s,
                                           QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = labelled.match(name);
  if (!m.hasMatch()) return std::nullopt;
  const QString label = matchKey(m.captured(2));
  const bool mail = matchKey(m.captured(1)).contains(u"mail"_s);
  QString target = mail ? u"Email"_s : u"Tel"_s;
  if (label.contains(u"pec"_s))
    target = u"Pec"_s;
  else if (!mail && (label.contains(u"mobil"_s) || label.contains(u"cell"_s)))
    target = u"Cel"_s;
  else if (!mail && (label.contains(u"fax"_s) || label.contains(u"pager"_s) ||
                     label.contains(u"cercapersone"_s)))
    target = CardTargets::kOtherContacts;
  return Alias{target, kFirst, Name::Neither};
}

std::optional<Alias> aliasOf(const QString& name) {
  const Tables& t = tables();
  if (const auto it = t.byWords.constFind(wordsKey(name)); it != t.byWords.constEnd()) return *it;
  if (const auto it = t.loose.constFind(matchKey(name)); it != t.loose.constEnd()) return *it;
  if (std::optional<Alias> labelled = labelledValue(name)) return labelled;
  // "Telefono 2", "E-mail 3": another value of a known kind.
  static const QRegularExpression numbered(u"^(.*\\D)\\s*\\d+$"_s);
  const QRegularExpressionMatch m = numbered.match(name);
  if (!m.hasMatch()) return std::nullopt;
  const auto it = t.loose.constFind(matchKey(m.captured(1)));
  if (it == t.loose.constEnd() || it->name != Name::Neither) return std::nullopt;
  return *it;
}

bool isAddressTarget(const QString& target) {
  const CardTarget* t = CardTargets::find(target);
  return t && t->address;
}

// The address a column's name tells by its words, or kUnknown.
int addressNamedBy(const QString& name) {
  static const QSet<QString> home = {u"casa"_s,       u"home"_s,      u"ab"_s,
                                     u"abitazione"_s, u"residenza"_s, u"privato"_s};
  static const QSet<QString> work = {u"lavoro"_s, u"work"_s,    u"business"_s,
                                     u"uff"_s,    u"ufficio"_s, u"sede"_s};
  static const QSet<QString> other = {u"altro"_s, u"altra"_s, u"other"_s};
  for (const QString& word : wordsKey(name).split(u' ')) {
    if (home.contains(word)) return kHome;
    if (work.contains(word)) return kWork;
    if (other.contains(word)) return kOther;
  }
  return kUnknown;
}

}  // namespace

namespace AddressGroups {

QString name(int group) {
  if (group == kHome) return u"casa"_s;
  if (group == kWork) return u"lavoro"_s;
  if (group == kOther) return u"altro"_s;
  return QString::number(group);
}

}  // namespace AddressGroups

ColumnMapping proposeMapping(const QStringList& names) {
  QList<std::optional<Alias>> found;
  found.reserve(names.size());
  bool wholeName = false;
  for (const QString& name : names) {
    found.append(aliasOf(name));
    if (found.last() && found.last()->name == Name::Whole) wholeName = true;
  }
  ColumnMapping mapping;
  mapping.reserve(names.size());
  for (qsizetype i = 0; i < names.size(); ++i) {
    ColumnRule rule{names[i], {}, kUnknown};
    if (const std::optional<Alias>& alias = found[i]) {
      if (isAddressTarget(alias->target)) rule.address = alias->address;
      if (!(alias->name == Name::Part && wholeName)) rule.target = alias->target;
    }
    mapping.append(rule);
  }
  return mapping;
}

void retarget(ColumnMapping& mapping, qsizetype index, const QString& target) {
  ColumnRule& rule = mapping[index];
  rule.target = target;
  if (!isAddressTarget(target) || rule.address != kUnknown) return;
  const std::optional<Alias> alias = aliasOf(rule.name);
  if (alias && isAddressTarget(alias->target)) {
    rule.address = alias->address;
    return;
  }
  rule.address = addressNamedBy(rule.name);
  if (rule.address != kUnknown) return;
  // The first address, as a card takes them, that has no column for this
  // part yet; when every one has, the column is an address of its own.
  QSet<int> used;
  QSet<int> taken;
  for (qsizetype i = 0; i < mapping.size(); ++i) {
    const ColumnRule& other = mapping[i];
    if (i == index || !isAddressTarget(other.target) || other.address == kUnknown) continue;
    used.insert(other.address);
    if (other.target == target) taken.insert(other.address);
  }
  QList<int> free = QList<int>(used.cbegin(), used.cend());
  free.removeIf([&taken](int address) { return taken.contains(address); });
  if (!free.isEmpty()) {
    rule.address = *std::min_element(free.cbegin(), free.cend());
    return;
  }
  rule.address = kFirst;
  while (used.contains(rule.address)) ++rule.address;
}

}  // namespace velinda
