#include "archive/layouts.h"

#include <array>

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

constexpr FieldKind Flag = FieldKind::Flag;
constexpr FieldKind Attachment = FieldKind::Attachment;

constexpr std::array<FieldDef, 41> kAcceptanceFields{{
    // clang-format off
    {"Destinatario", 250}, {"IndirizzoDes", 250}, {"NumDes", 10},
    {"CapDes01", 1},       {"CapDes02", 1},       {"CapDes03", 1},
    {"CapDes04", 1},       {"CapDes05", 1},       {"LocalitaDes", 120},
    {"ProvDes01", 1},      {"ProvDes02", 1},      {"TelDes", 30},
    {"EmailDes", 120},
    {"Mittente", 250},     {"IndirizzoMit", 250}, {"NumMit", 10},
    {"CapMit01", 1},       {"CapMit02", 1},       {"CapMit03", 1},
    {"CapMit04", 1},       {"CapMit05", 1},       {"LocalitaMit", 120},
    {"ProvMit01", 1},      {"ProvMit02", 1},      {"TelMit", 30},
    {"EmailMit", 120},
    {"Cifre", 15},         {"Lettere", 120},      {"Data", 10},
    {"Contenuto", 250},
    {"Inviata", 2, Flag},  {"Avviso", 2, Flag},   {"Contrassegno", 2, Flag},
    {"CC", 2, Flag},       {"Vaglia", 2, Flag},
    {"File01", 250, Attachment}, {"File02", 250, Attachment},
    {"File03", 250, Attachment}, {"Desc01", 250, Attachment},
    {"Desc02", 250, Attachment}, {"Desc03", 250, Attachment},
    // clang-format on
}};
static_assert(recordSize(kAcceptanceFields) == 3520);

constexpr std::array<FieldDef, 43> kReturnReceiptFields{{
    // clang-format off
    {"N01", 1}, {"N02", 1}, {"N03", 1}, {"N04", 1}, {"N05", 1},
    {"N06", 1}, {"N07", 1}, {"N08", 1}, {"N09", 1}, {"N10", 1},
    {"N11", 1}, {"N12", 1}, {"N13", 1},
    {"Euro", 15},
    {"Destinatario", 250}, {"IndirizzoDes", 250}, {"NumDes", 10},
    {"CapDes01", 1},       {"CapDes02", 1},       {"CapDes03", 1},
    {"CapDes04", 1},       {"CapDes05", 1},       {"LocalitaDes", 120},
    {"ProvDes01", 1},      {"ProvDes02", 1},
    {"Mittente", 250},     {"IndirizzoMit", 250}, {"NumMit", 10},
    {"CapMit01", 1},       {"CapMit02", 1},       {"CapMit03", 1},
    {"CapMit04", 1},       {"CapMit05", 1},       {"LocalitaMit", 120},
    {"ProvMit01", 1},      {"ProvMit02", 1},
    {"Data", 10},          {"Ufficio", 120},      {"Contenuto", 250},
    {"Consegnata", 2, Flag}, {"Raccomandata", 2, Flag},
    {"Pacco", 2, Flag},      {"Assicurata", 2, Flag},
    // clang-format on
}};
static_assert(recordSize(kReturnReceiptFields) == 1733);

constexpr std::array<FieldDef, 39> kAddressBookFields{{
    // clang-format off
    {"Nome", 250},        {"Indirizzo", 250},   {"Num", 10},
    {"Cap01", 1},         {"Cap02", 1},         {"Cap03", 1},
    {"Cap04", 1},         {"Cap05", 1},         {"Localita", 120},
    {"Prov01", 1},        {"Prov02", 1},        {"Tel", 30},
    {"Email", 120},       {"DataNasc", 10},     {"Sesso", 1},
    {"LuogoNasc", 120},   {"CodFisc", 16},      {"PartitaIva", 11},
    {"Iban", 27},         {"Pec", 120},         {"Carta", 50},
    {"ScadeCarta", 10},   {"Cel", 50},          {"Cittadinanza", 50},
    {"Occupazione", 120}, {"Civile", 50},       {"TipoDoc", 50},
    {"EnteRil", 50},      {"DataRil", 10},      {"DataSca", 10},
    {"Prodotti", 250},    {"Questioni", 250},   {"Note", 250},
    {"File01", 250, Attachment}, {"File02", 250, Attachment},
    {"File03", 250, Attachment}, {"Desc01", 250, Attachment},
    {"Desc02", 250, Attachment}, {"Desc03", 250, Attachment},
    // clang-format on
}};
static_assert(recordSize(kAddressBookFields) == 3831);

}  // namespace

const RecordLayout& acceptanceLayout() {
  static const RecordLayout layout(kAcceptanceFields);
  return layout;
}

const RecordLayout& returnReceiptLayout() {
  static const RecordLayout layout(kReturnReceiptFields);
  return layout;
}

const RecordLayout& addressBookLayout() {
  static const RecordLayout layout(kAddressBookFields);
  return layout;
}

const ArchiveDefinition& acceptanceArchive() {
  static const ArchiveDefinition archive{u"Ricevute_Accettazione.pro"_s, acceptanceLayout()};
  return archive;
}

const ArchiveDefinition& returnReceiptArchive() {
  static const ArchiveDefinition archive{u"Avvisi_Ricevimento.pro"_s, returnReceiptLayout()};
  return archive;
}

const ArchiveDefinition& addressBookArchive() {
  static const ArchiveDefinition archive{u"Anagrafica.pro"_s, addressBookLayout()};
  return archive;
}

}  // namespace velinda
