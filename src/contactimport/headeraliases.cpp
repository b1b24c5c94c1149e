#include "contactimport/headeraliases.h"

#include <QHash>
#include <initializer_list>

#include "contactimport/cardtargets.h"
#include "contactimport/matchkey.h"

using namespace Qt::StringLiterals;

namespace {

// The addresses of a contact, in the order a card prefers them.
constexpr int kPlain = 1;
constexpr int kWork = 2;
constexpr int kHome = 3;
constexpr int kOther = 4;

enum class Name { Whole, Part, Neither };

struct AliasGroup {
  const char* target;
  int address;
  std::initializer_list<const char*> headers;
  Name name = Name::Neither;
};

// Column names as Italian and English spreadsheets, Outlook (in both
// languages), Google Contacts, this program's own export and its vCard
// reader write them. Matching ignores case, accents, blanks and signs.
const AliasGroup kGroups[] = {
    {"Nome", kPlain,
     {"Nome completo", "Nome e cognome", "Cognome e nome", "Nominativo", "Name", "Full name",
      "Display name", "Nome visualizzato", "Nome, cognome o ragione sociale", "Destinatario",
      "Intestatario", "Cliente"},
     Name::Whole},
    {"Nome", kPlain,
     {"Nome", "Secondo nome", "Cognome", "Nome proprio", "First name", "Given name",
      "Middle name", "Additional name", "Last name", "Family name", "Surname"},
     Name::Part},
    {"Ditta", kPlain,
     {"Ragione sociale", "Denominazione", "Azienda", "Ditta", "Società", "Ente",
      "Organizzazione", "Company", "Organization", "Organization name", "Organization 1 - Name"}},

    {"Indirizzo", kPlain,
     {"Indirizzo", "Via", "Via e numero civico", "Via e numero", "Indirizzo di residenza",
      "Street", "Street address", "Address"}},
    {"Indirizzo", kWork,
     {"Business street", "Business street 2", "Business street 3", "Via (uff.)",
      "Via (uff.) 2", "Via (uff.) 3", "Indirizzo (lavoro)"}},
    {"Indirizzo", kHome,
     {"Home street", "Home street 2", "Home street 3", "Via (ab.)", "Via (ab.) 2",
      "Via (ab.) 3", "Indirizzo (casa)"}},
    {"Indirizzo", kOther,
     {"Other street", "Other street 2", "Other street 3", "Altra via", "Altra via 2",
      "Altra via 3"}},
    {"Num", kPlain, {"N. civico", "Numero civico", "Civico", "Num. civico", "House number"}},
    {"CAP", kPlain,
     {"CAP", "Codice postale", "Codice di avviamento postale", "ZIP", "ZIP code",
      "Postal code", "Postcode", "Post code"}},
    {"CAP", kWork, {"Business postal code", "CAP (uff.)", "CAP (lavoro)"}},
    {"CAP", kHome, {"Home postal code", "CAP (ab.)", "CAP (casa)"}},
    {"CAP", kOther, {"Other postal code", "Altro CAP"}},
    {"Localita", kPlain, {"Località", "Città", "Comune", "City", "Town", "Locality"}},
    {"Localita", kWork, {"Business city", "Città (uff.)", "Località (lavoro)"}},
    {"Localita", kHome, {"Home city", "Città (ab.)", "Località (casa)"}},
    {"Localita", kOther, {"Other city", "Altra città"}},
    {"Provincia", kPlain, {"Provincia", "Prov.", "Sigla provincia", "State", "Province", "Region"}},
    {"Provincia", kWork, {"Business state", "Provincia (uff.)", "Provincia (lavoro)"}},
    {"Provincia", kHome, {"Home state", "Provincia (ab.)", "Provincia (casa)"}},
    {"Provincia", kOther, {"Other state", "Altra provincia"}},
    {"Paese", kPlain,
     {"Nazione", "Country", "Country/Region", "Paese/area geografica", "Stato estero"}},
    {"Paese", kWork,
     {"Business country/region", "Business country", "Paese/area geografica (uff.)",
      "Nazione (lavoro)"}},
    {"Paese", kHome,
     {"Home country/region", "Home country", "Paese/area geografica (ab.)", "Nazione (casa)"}},
    {"Paese", kOther, {"Other country/region", "Other country", "Altro paese/area geografica"}},

    {"Tel", kPlain,
     {"Telefono", "Tel.", "Telefono fisso", "Telefono principale", "Telefono (uff.)",
      "Telefono (uff.) 2", "Telefono (ab.)", "Telefono (ab.) 2", "Telefono principale società",
      "Altro telefono", "Telefono (lavoro)", "Telefono (casa)", "Phone", "Telephone",
      "Phone number", "Primary phone", "Business phone", "Business phone 2", "Home phone",
      "Home phone 2", "Company main phone", "Other phone", "Phone (Work)", "Phone (Home)",
      "Phone (Main)", "Phone (Other)", "Phone (Lavoro)", "Phone (Casa)", "Phone (Principale)",
      "Phone (Altro)"}},
    {"Cel", kPlain,
     {"Cellulare", "Cell.", "Tel. cellulare", "Telefono cellulare", "Numero di cellulare",
      "Telefono (cellulare)", "Mobile", "Mobile phone", "Cell phone", "Cellphone",
      "Phone (Mobile)", "Phone (Cellulare)"}},
    {"Email", kPlain,
     {"E-mail", "Mail", "Indirizzo e-mail", "Posta elettronica", "Indirizzo posta elettronica",
      "Indirizzo posta elettronica 2", "Indirizzo posta elettronica 3", "E-mail (lavoro)",
      "E-mail (casa)", "E-mail address", "E-mail 2 address", "E-mail 3 address",
      "E-mail (Work)", "E-mail (Home)", "E-mail (Other)", "E-mail (Lavoro)", "E-mail (Casa)",
      "E-mail (Altro)"}},
    {"Pec", kPlain,
     {"PEC", "Posta elettronica certificata", "Indirizzo PEC", "E-mail PEC", "E-mail (PEC)"}},
    {"DataNasc", kPlain,
     {"Data di nascita", "Data nascita", "Nato il", "Nata il", "Compleanno", "Birthday",
      "Date of birth", "Birth date", "DOB"}},
    {"Sesso", kPlain, {"Sesso", "Genere", "Sex", "Gender"}},
    {"LuogoNasc", kPlain,
     {"Luogo di nascita", "Luogo nascita", "Comune di nascita", "Nato a", "Nata a",
      "Place of birth", "Birthplace"}},
    {"CodFisc", kPlain,
     {"Codice fiscale", "Cod. fiscale", "Cod. fisc.", "C.F.", "Tax code", "Fiscal code"}},
    {"PartitaIva", kPlain,
     {"Partita IVA", "P. IVA", "Numero partita IVA", "VAT", "VAT number", "VAT ID"}},
    {"Iban", kPlain, {"IBAN", "Codice IBAN"}},
    {"Carta", kPlain, {"Carta di credito", "Carta di credito n.", "Numero carta di credito"}},
    {"ScadeCarta", kPlain, {"Scadenza", "Scadenza carta", "Scadenza carta di credito"}},
    {"Cittadinanza", kPlain, {"Cittadinanza", "Nazionalità", "Citizenship", "Nationality"}},
    {"Occupazione", kPlain,
     {"Occupazione", "Professione", "Qualifica", "Posizione", "Ruolo", "Job title", "Role",
      "Occupation", "Profession",
      "Organization title", "Organization 1 - Title"}},
    {"Civile", kPlain, {"Stato civile", "Marital status"}},
    {"TipoDoc", kPlain,
     {"Documento", "Documento (tipo e numero)", "Documento di identità", "Documento d'identità"}},
    {"EnteRil", kPlain, {"Ente rilascio", "Ente di rilascio", "Rilasciato da"}},
    {"DataRil", kPlain, {"Data rilascio", "Data di rilascio"}},
    {"DataSca", kPlain, {"Data scadenza", "Data di scadenza", "Scadenza documento"}},
    {"Prodotti", kPlain, {"Prodotti di interesse", "Prodotti", "Servizi di interesse"}},
    {"Questioni", kPlain, {"Questioni in sospeso", "Questioni", "Da fare"}},
    {"Note", kPlain,
     {"Note", "Nota", "Annotazioni", "Osservazioni", "Commenti", "Notes", "Comments"}},
};

// Google Contacts numbers its addresses: "Address 1 - Street", ...
struct GoogleAddressPart {
  const char* target;
  const char* part;
};
const GoogleAddressPart kGoogleAddress[] = {
    {"Indirizzo", "Street"},     {"Indirizzo", "Extended Address"}, {"Indirizzo", "PO Box"},
    {"Localita", "City"},        {"Provincia", "Region"},           {"CAP", "Postal Code"},
    {"Paese", "Country"},
};
constexpr int kGoogleAddresses = 3;

struct Alias {
  QString target;
  int address;
  Name name;
};

const QHash<QString, Alias>& aliases() {
  static const QHash<QString, Alias> table = [] {
    QHash<QString, Alias> t;
    for (const AliasGroup& group : kGroups) {
      for (const char* header : group.headers)
        t.insert(matchKey(QString::fromUtf8(header)),
                 {QString::fromLatin1(group.target), group.address, group.name});
    }
    for (int n = 1; n <= kGoogleAddresses; ++n) {
      for (const GoogleAddressPart& p : kGoogleAddress)
        t.insert(matchKey(u"Address %1 - %2"_s.arg(n).arg(QString::fromLatin1(p.part))),
                 {QString::fromLatin1(p.target), n, Name::Neither});
    }
    return t;
  }();
  return table;
}

}  // namespace

ColumnMapping proposeMapping(const QStringList& names) {
  QList<std::optional<Alias>> found;
  bool wholeName = false;
  for (const QString& name : names) {
    const auto it = aliases().constFind(matchKey(name));
    found.append(it == aliases().constEnd() ? std::nullopt : std::optional<Alias>(*it));
    if (found.last() && found.last()->name == Name::Whole) wholeName = true;
  }
  ColumnMapping mapping;
  for (qsizetype i = 0; i < names.size(); ++i) {
    ColumnRule rule{names[i], {}, kPlain};
    if (const std::optional<Alias>& alias = found[i]) {
      rule.address = alias->address;
      if (!(alias->name == Name::Part && wholeName)) rule.target = alias->target;
    }
    mapping.append(rule);
  }
  return mapping;
}
