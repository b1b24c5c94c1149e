#include "records/listkinds.h"

#include "archive/tcampofisso.h"
#include "archive/tscheda.h"
#include "core/unknownname.h"

namespace velinda {

using ListLines::LineKind;

bool ListCondition::holdsFor(const TScheda& record) const {
  // Tested on the stored bytes, record after record of a whole archive: the
  // trimmed bytes are the trimmed text, and "No" is ASCII.
  const RecordLayout& layout = record.layout();
  const int index = NameLookup::requireIndex(layout.indexOf(field), u"list", field);
  const QByteArrayView text = TCampoFisso::TrimmedBytes(
      record.bytes().constData() + layout.offset(index), layout.field(index).capacity);
  switch (test) {
    case Test::ReadsNo:
      return text == QByteArrayView("No");
    case Test::NotEmpty:
      return !text.isEmpty();
  }
  return false;
}

const StatusListKind& unsentList() {
  static const StatusListKind kind{" Riepilogo raccomandate non inviate",
                                   acceptanceArchive,
                                   {ListCondition::Test::ReadsNo, u"Inviata"},
                                   LineKind::Receipt,
                                   "Riepilogo raccomandate non inviate"};
  return kind;
}

const StatusListKind& undeliveredList() {
  static const StatusListKind kind{" Riepilogo raccomandate non consegnate",
                                   returnReceiptArchive,
                                   {ListCondition::Test::ReadsNo, u"Consegnata"},
                                   LineKind::Receipt,
                                   "Riepilogo raccomandate non consegnate"};
  return kind;
}

const StatusListKind& pendingMattersList() {
  static const StatusListKind kind{" Riepilogo questioni in sospeso",
                                   addressBookArchive,
                                   {ListCondition::Test::NotEmpty, u"Questioni"},
                                   LineKind::CardEndingQuestioni,
                                   "Riepilogo questioni in sospeso"};
  return kind;
}

const SearchKind& acceptanceSearch() {
  static const SearchKind kind{" Trova ricevute accettazione in archivio",
                               acceptanceArchive,
                               ArchiveKind::Acceptance,
                               "Ricevute di Accettazione",
                               LineKind::Receipt,
                               {{{"txtDestinatario", "Destinatario:", "Destinatario"},
                                 {"txtLocalitaDes", "Località Destinatario:", "LocalitaDes"},
                                 {"txtTelDes", "Tel. Destinatario:", "TelDes"},
                                 {"txtEmailDes", "E-mail Destinatario:", "EmailDes"},
                                 {"txtMittente", "Mittente:", "Mittente"},
                                 {"txtLocalitaMit", "Località Mittente:", "LocalitaMit"},
                                 {"txtTelMit", "Tel. Mittente:", "TelMit"},
                                 {"txtEmailMit", "E-mail Mittente:", "EmailMit"},
                                 {"txtData", "Data spedizione (gg/mm/aaaa):", "Data"},
                                 {"txtContenuto", "Contenuto raccomandata:", "Contenuto"}}}};
  return kind;
}

const SearchKind& returnReceiptSearch() {
  static const SearchKind kind{" Trova avvisi ricevimento in archivio",
                               returnReceiptArchive,
                               ArchiveKind::ReturnReceipt,
                               "Avvisi di Ricevimento",
                               LineKind::Receipt,
                               {{{"txtDestinatario", "Destinatario:", "Destinatario"},
                                 {"txtLocalitaDes", "Località Destinatario:", "LocalitaDes"},
                                 {"txtMittente", "Mittente:", "Mittente"},
                                 {"txtLocalitaMit", "Località Mittente:", "LocalitaMit"},
                                 {"txtRaccomandata", "Raccomandata (Sì / No):", "Raccomandata"},
                                 {"txtPacco", "Pacco (Sì / No):", "Pacco"},
                                 {"txtAssicurata", "Assicurata (Sì / No):", "Assicurata"},
                                 {"txtUfficio", "Ufficio di spedizione:", "Ufficio"},
                                 {"txtData", "Data spedizione (gg/mm/aaaa):", "Data"},
                                 {"txtContenuto", "Contenuto raccomandata:", "Contenuto"}}}};
  return kind;
}

namespace {
constexpr std::array<FilterBox, 10> kAddressBookFilters{{
    {"txtNome", "Nome, cognome o Ragione sociale:", "Nome"},
    {"txtLocalita", "Località:", "Localita"},
    {"txtTel", "Tel.", "Tel"},
    {"txtDataNasc", "Data di nascita:", "DataNasc"},
    {"txtCodFisc", "Codice fiscale:", "CodFisc"},
    {"txtPartitaIva", "Partita IVA:", "PartitaIva"},
    {"txtOccupazione", "Occupazione:", "Occupazione"},
    {"txtProdotti", "Prodotti di interesse:", "Prodotti"},
    {"txtQuestioni", "Questioni in sospeso:", "Questioni"},
    {"txtNote", "Note:", "Note"},
}};
}  // namespace

const SearchKind& addressBookSearch() {
  static const SearchKind kind{" Trova dati anagrafici in archivio",
                               addressBookArchive,
                               ArchiveKind::AddressBook,
                               "Dati anagrafici",
                               LineKind::CardEndingNote,
                               kAddressBookFilters};
  return kind;
}

const SearchKind& addressBookImport() {
  // The import copies by its own tags (ImportTargets), so it fills no
  // workspace of its own.
  // clang-format off
  static const SearchKind kind{" Importa dati da archivio anagrafico", addressBookArchive,
                               std::nullopt, "Dati anagrafici", LineKind::CardEndingNote,
                               // clang-format on
                               kAddressBookFilters};
  return kind;
}

}  // namespace velinda
