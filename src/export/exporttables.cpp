#include "export/exporttables.h"

#include "export/exportguide.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// The usual column: one field of the same name as the column, minus "col".
ExportColumn plain(const QString& field, const QString& header, int gridWidth, bool editable,
                   int exportWidth) {
  return {u"col"_s + field,       header, gridWidth,  editable,
          CellRule::field(field), header, exportWidth};
}

ExportColumn joined(const QString& gridName, const CellRule& cell, const QString& header,
                    int gridWidth, bool editable, int exportWidth) {
  return {gridName, header, gridWidth, editable, cell, header, exportWidth};
}

constexpr bool kEdit = true;
constexpr bool kFixed = false;

}  // namespace

const ExportTable& acceptanceExport() {
  static const ExportTable table{
      u" Esporta ricevute di accettazione in Microsoft Excel"_s,
      acceptanceArchive(),
      u"Ricevute_Accettazione.xls"_s,
      u"Ricevute Accettazione"_s,
      u"Esportazione ricevute di accettazione in Microsoft Excel"_s,
      exportGuideText(u"l'archivio delle ricevute di accettazione"_s),
      {
          plain(u"Data"_s, u"Data spedizione"_s, 150, kFixed, 200),
          plain(u"Contenuto"_s, u"Contenuto raccomandata"_s, 300, kFixed, 400),
          plain(u"Destinatario"_s, u"Destinatario"_s, 250, kFixed, 300),
          plain(u"IndirizzoDes"_s, u"Indirizzo"_s, 250, kFixed, 300),
          plain(u"NumDes"_s, u"N. civico"_s, 150, kFixed, 200),
          joined(u"colCapDes"_s, CellRule::numbered(u"CapDes"_s, 5), u"CAP"_s, 150, kEdit, 150),
          plain(u"LocalitaDes"_s, u"Località"_s, 250, kFixed, 300),
          joined(u"colProvDes"_s, CellRule::numbered(u"ProvDes"_s, 2), u"Prov."_s, 120, kFixed,
                 150),
          plain(u"TelDes"_s, u"Tel."_s, 200, kFixed, 200),
          plain(u"EmailDes"_s, u"E-mail"_s, 250, kFixed, 250),
          plain(u"Mittente"_s, u"Mittente"_s, 250, kEdit, 300),
          plain(u"IndirizzoMit"_s, u"Indirizzo"_s, 250, kFixed, 300),
          plain(u"NumMit"_s, u"N. civico"_s, 150, kFixed, 200),
          joined(u"colCapMit"_s, CellRule::numbered(u"CapMit"_s, 5), u"CAP"_s, 150, kFixed, 150),
          plain(u"LocalitaMit"_s, u"Località"_s, 250, kEdit, 300),
          joined(u"colProvMit"_s, CellRule::numbered(u"ProvMit"_s, 2), u"Prov."_s, 120, kFixed,
                 150),
          plain(u"TelMit"_s, u"Tel."_s, 200, kEdit, 200),
          plain(u"EmailMit"_s, u"E-mail"_s, 250, kEdit, 250),
          plain(u"Avviso"_s, u"Avviso ricevimento"_s, 150, kEdit, 160),
          plain(u"Contrassegno"_s, u"Contrassegno"_s, 150, kEdit, 160),
          plain(u"Cifre"_s, u"Importo"_s, 200, kFixed, 160),
          plain(u"Inviata"_s, u"Inviata"_s, 150, kEdit, 160),
      }};
  return table;
}

const ExportTable& returnReceiptExport() {
  static const ExportTable table{
      u" Esporta archivio avvisi di ricevimento in Microsoft Excel"_s,
      returnReceiptArchive(),
      u"Avvisi_Ricevimento.xls"_s,
      u"Avvisi Ricevimento"_s,
      u"Esportazione avvisi di ricevimento in Microsoft Excel"_s,
      exportGuideText(u"l'archivio degli avvisi di ricevimento"_s),
      {
          joined(u"colNumAvviso"_s, CellRule::numbered(u"N"_s, 13), u"Avviso n."_s, 200, kFixed,
                 200),
          plain(u"Data"_s, u"Data spedizione"_s, 150, kFixed, 180),
          plain(u"Ufficio"_s, u"Ufficio spedizione"_s, 250, kFixed, 250),
          plain(u"Contenuto"_s, u"Contenuto raccomandata"_s, 300, kFixed, 400),
          plain(u"Destinatario"_s, u"Destinatario"_s, 250, kFixed, 300),
          plain(u"IndirizzoDes"_s, u"Via"_s, 250, kFixed, 300),
          plain(u"NumDes"_s, u"N. civico"_s, 150, kFixed, 200),
          joined(u"colCapDes"_s, CellRule::numbered(u"CapDes"_s, 5), u"CAP"_s, 150, kEdit, 150),
          plain(u"LocalitaDes"_s, u"Località"_s, 250, kFixed, 300),
          joined(u"colProvDes"_s, CellRule::numbered(u"ProvDes"_s, 2), u"Prov."_s, 120, kFixed,
                 150),
          plain(u"Mittente"_s, u"Mittente"_s, 250, kEdit, 300),
          plain(u"IndirizzoMit"_s, u"Via"_s, 250, kFixed, 300),
          plain(u"NumMit"_s, u"N. civico"_s, 150, kFixed, 200),
          joined(u"colCapMit"_s, CellRule::numbered(u"CapMit"_s, 5), u"CAP"_s, 150, kFixed, 150),
          plain(u"LocalitaMit"_s, u"Località"_s, 250, kEdit, 300),
          joined(u"colProvMit"_s, CellRule::numbered(u"ProvMit"_s, 2), u"Prov."_s, 120, kFixed,
                 150),
          plain(u"Raccomandata"_s, u"Raccomandata"_s, 150, kEdit, 160),
          plain(u"Pacco"_s, u"Pacco"_s, 150, kEdit, 160),
          plain(u"Assicurata"_s, u"Assicurata"_s, 150, kEdit, 160),
          plain(u"Euro"_s, u"Euro"_s, 200, kFixed, 200),
          plain(u"Consegnata"_s, u"Consegnata"_s, 150, kEdit, 160),
      }};
  return table;
}

const ExportTable& addressBookExport() {
  static const ExportTable table{
      u" Esporta archivio anagrafico in Microsoft Excel"_s,
      addressBookArchive(),
      u"Anagrafica.xls"_s,
      u"Archivio Anagrafico"_s,
      u"Esportazione archivio anagrafico in Microsoft Excel"_s,
      exportGuideText(u"l'archivio anagrafico"_s),
      {
          plain(u"Nome"_s, u"Nome, cognome o Ragione sociale"_s, 300, kFixed, 350),
          joined(u"colIndirizzo"_s, CellRule::withBlank(u"Indirizzo"_s, u"Num"_s), u"Indirizzo"_s,
                 300, kFixed, 350),
          joined(u"colCap"_s, CellRule::numbered(u"Cap"_s, 5), u"CAP"_s, 150, kEdit, 180),
          plain(u"Localita"_s, u"Località"_s, 250, kFixed, 250),
          joined(u"colProv"_s, CellRule::numbered(u"Prov"_s, 2), u"Prov."_s, 120, kFixed, 180),
          plain(u"Tel"_s, u"Tel."_s, 200, kEdit, 250),
          plain(u"Email"_s, u"E-mail"_s, 250, kFixed, 300),
          plain(u"DataNasc"_s, u"Data di nascita"_s, 150, kFixed, 200),
          plain(u"LuogoNasc"_s, u"Luogo di nascita"_s, 200, kFixed, 250),
          plain(u"CodFisc"_s, u"Codice fiscale"_s, 200, kFixed, 250),
          plain(u"PartitaIva"_s, u"Partita IVA"_s, 200, kEdit, 250),
          plain(u"Iban"_s, u"IBAN"_s, 250, kFixed, 300),
          plain(u"Pec"_s, u"PEC"_s, 250, kFixed, 300),
          plain(u"Carta"_s, u"Carta di credito n."_s, 200, kFixed, 250),
          plain(u"ScadeCarta"_s, u"Scadenza"_s, 150, kFixed, 200),
          plain(u"Cel"_s, u"Tel. cellulare"_s, 200, kEdit, 250),
          plain(u"Cittadinanza"_s, u"Cittadinanza"_s, 200, kFixed, 250),
          plain(u"Occupazione"_s, u"Occupazione"_s, 250, kEdit, 300),
          plain(u"Civile"_s, u"Stato civile"_s, 200, kEdit, 250),
          plain(u"TipoDoc"_s, u"Documento"_s, 250, kEdit, 300),
          // The only column whose exported header differs from the grid's.
          {u"colEnteRil"_s, u"Ente di rilascio"_s, 250, kFixed, CellRule::field(u"EnteRil"_s),
           u"Ente rilascio"_s, 300},
          plain(u"DataSca"_s, u"Data scadenza"_s, 150, kEdit, 200),
          plain(u"Prodotti"_s, u"Prodotti di interesse"_s, 300, kEdit, 400),
          plain(u"Questioni"_s, u"Questioni in sospeso"_s, 300, kEdit, 400),
          plain(u"Note"_s, u"Note"_s, 300, kEdit, 400),
      }};
  return table;
}

}  // namespace velinda
