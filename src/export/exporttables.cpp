#include "export/exporttables.h"

#include "export/exportguide.h"

namespace {

// The usual column: one field of the same name as the column, minus "col".
ExportColumn plain(const QString& field, const QString& header, int gridWidth,
                   bool editable, int exportWidth) {
  return {u"col"_qs + field, header, gridWidth, editable, CellRule::field(field), header,
          exportWidth};
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
      u" Esporta ricevute di accettazione in Microsoft Excel"_qs,
      acceptanceArchive(),
      u"Ricevute_Accettazione.xls"_qs,
      u"Ricevute Accettazione"_qs,
      u"Esportazione ricevute di accettazione in Microsoft Excel"_qs,
      exportGuideText(u"l'archivio delle ricevute di accettazione"_qs),
      {
          plain(u"Data"_qs, u"Data spedizione"_qs, 150, kFixed, 200),
          plain(u"Contenuto"_qs, u"Contenuto raccomandata"_qs, 300, kFixed, 400),
          plain(u"Destinatario"_qs, u"Destinatario"_qs, 250, kFixed, 300),
          plain(u"IndirizzoDes"_qs, u"Indirizzo"_qs, 250, kFixed, 300),
          plain(u"NumDes"_qs, u"N. civico"_qs, 150, kFixed, 200),
          joined(u"colCapDes"_qs, CellRule::numbered(u"CapDes"_qs, 5), u"CAP"_qs, 150, kEdit, 150),
          plain(u"LocalitaDes"_qs, u"Località"_qs, 250, kFixed, 300),
          joined(u"colProvDes"_qs, CellRule::numbered(u"ProvDes"_qs, 2), u"Prov."_qs, 120, kFixed, 150),
          plain(u"TelDes"_qs, u"Tel."_qs, 200, kFixed, 200),
          plain(u"EmailDes"_qs, u"E-mail"_qs, 250, kFixed, 250),
          plain(u"Mittente"_qs, u"Mittente"_qs, 250, kEdit, 300),
          plain(u"IndirizzoMit"_qs, u"Indirizzo"_qs, 250, kFixed, 300),
          plain(u"NumMit"_qs, u"N. civico"_qs, 150, kFixed, 200),
          joined(u"colCapMit"_qs, CellRule::numbered(u"CapMit"_qs, 5), u"CAP"_qs, 150, kFixed, 150),
          plain(u"LocalitaMit"_qs, u"Località"_qs, 250, kEdit, 300),
          joined(u"colProvMit"_qs, CellRule::numbered(u"ProvMit"_qs, 2), u"Prov."_qs, 120, kFixed, 150),
          plain(u"TelMit"_qs, u"Tel."_qs, 200, kEdit, 200),
          plain(u"EmailMit"_qs, u"E-mail"_qs, 250, kEdit, 250),
          plain(u"Avviso"_qs, u"Avviso ricevimento"_qs, 150, kEdit, 160),
          plain(u"Contrassegno"_qs, u"Contrassegno"_qs, 150, kEdit, 160),
          plain(u"Cifre"_qs, u"Importo"_qs, 200, kFixed, 160),
          plain(u"Inviata"_qs, u"Inviata"_qs, 150, kEdit, 160),
      }};
  return table;
}

const ExportTable& returnReceiptExport() {
  static const ExportTable table{
      u" Esporta archivio avvisi di ricevimento in Microsoft Excel"_qs,
      returnReceiptArchive(),
      u"Avvisi_Ricevimento.xls"_qs,
      u"Avvisi Ricevimento"_qs,
      u"Esportazione avvisi di ricevimento in Microsoft Excel"_qs,
      exportGuideText(u"l'archivio degli avvisi di ricevimento"_qs),
      {
          joined(u"colNumAvviso"_qs, CellRule::numbered(u"N"_qs, 13), u"Avviso n."_qs, 200, kFixed, 200),
          plain(u"Data"_qs, u"Data spedizione"_qs, 150, kFixed, 180),
          plain(u"Ufficio"_qs, u"Ufficio spedizione"_qs, 250, kFixed, 250),
          plain(u"Contenuto"_qs, u"Contenuto raccomandata"_qs, 300, kFixed, 400),
          plain(u"Destinatario"_qs, u"Destinatario"_qs, 250, kFixed, 300),
          plain(u"IndirizzoDes"_qs, u"Via"_qs, 250, kFixed, 300),
          plain(u"NumDes"_qs, u"N. civico"_qs, 150, kFixed, 200),
          joined(u"colCapDes"_qs, CellRule::numbered(u"CapDes"_qs, 5), u"CAP"_qs, 150, kEdit, 150),
          plain(u"LocalitaDes"_qs, u"Località"_qs, 250, kFixed, 300),
          joined(u"colProvDes"_qs, CellRule::numbered(u"ProvDes"_qs, 2), u"Prov."_qs, 120, kFixed, 150),
          plain(u"Mittente"_qs, u"Mittente"_qs, 250, kEdit, 300),
          plain(u"IndirizzoMit"_qs, u"Via"_qs, 250, kFixed, 300),
          plain(u"NumMit"_qs, u"N. civico"_qs, 150, kFixed, 200),
          joined(u"colCapMit"_qs, CellRule::numbered(u"CapMit"_qs, 5), u"CAP"_qs, 150, kFixed, 150),
          plain(u"LocalitaMit"_qs, u"Località"_qs, 250, kEdit, 300),
          joined(u"colProvMit"_qs, CellRule::numbered(u"ProvMit"_qs, 2), u"Prov."_qs, 120, kFixed, 150),
          plain(u"Raccomandata"_qs, u"Raccomandata"_qs, 150, kEdit, 160),
          plain(u"Pacco"_qs, u"Pacco"_qs, 150, kEdit, 160),
          plain(u"Assicurata"_qs, u"Assicurata"_qs, 150, kEdit, 160),
          plain(u"Euro"_qs, u"Euro"_qs, 200, kFixed, 200),
          plain(u"Consegnata"_qs, u"Consegnata"_qs, 150, kEdit, 160),
      }};
  return table;
}

const ExportTable& addressBookExport() {
  static const ExportTable table{
      u" Esporta archivio anagrafico in Microsoft Excel"_qs,
      addressBookArchive(),
      u"Anagrafica.xls"_qs,
      u"Archivio Anagrafico"_qs,
      u"Esportazione archivio anagrafico in Microsoft Excel"_qs,
      exportGuideText(u"l'archivio anagrafico"_qs),
      {
          plain(u"Nome"_qs, u"Nome, cognome o Ragione sociale"_qs, 300, kFixed, 350),
          joined(u"colIndirizzo"_qs, CellRule::withBlank(u"Indirizzo"_qs, u"Num"_qs),
                 u"Indirizzo"_qs, 300, kFixed, 350),
          joined(u"colCap"_qs, CellRule::numbered(u"Cap"_qs, 5), u"CAP"_qs, 150, kEdit, 180),
          plain(u"Localita"_qs, u"Località"_qs, 250, kFixed, 250),
          joined(u"colProv"_qs, CellRule::numbered(u"Prov"_qs, 2), u"Prov."_qs, 120, kFixed, 180),
          plain(u"Tel"_qs, u"Tel."_qs, 200, kEdit, 250),
          plain(u"Email"_qs, u"E-mail"_qs, 250, kFixed, 300),
          plain(u"DataNasc"_qs, u"Data di nascita"_qs, 150, kFixed, 200),
          plain(u"LuogoNasc"_qs, u"Luogo di nascita"_qs, 200, kFixed, 250),
          plain(u"CodFisc"_qs, u"Codice fiscale"_qs, 200, kFixed, 250),
          plain(u"PartitaIva"_qs, u"Partita IVA"_qs, 200, kEdit, 250),
          plain(u"Iban"_qs, u"IBAN"_qs, 250, kFixed, 300),
          plain(u"Pec"_qs, u"PEC"_qs, 250, kFixed, 300),
          plain(u"Carta"_qs, u"Carta di credito n."_qs, 200, kFixed, 250),
          plain(u"ScadeCarta"_qs, u"Scadenza"_qs, 150, kFixed, 200),
          plain(u"Cel"_qs, u"Tel. cellulare"_qs, 200, kEdit, 250),
          plain(u"Cittadinanza"_qs, u"Cittadinanza"_qs, 200, kFixed, 250),
          plain(u"Occupazione"_qs, u"Occupazione"_qs, 250, kEdit, 300),
          plain(u"Civile"_qs, u"Stato civile"_qs, 200, kEdit, 250),
          plain(u"TipoDoc"_qs, u"Documento"_qs, 250, kEdit, 300),
          // The only column whose exported header differs from the grid's.
          {u"colEnteRil"_qs, u"Ente di rilascio"_qs, 250, kFixed,
           CellRule::field(u"EnteRil"_qs), u"Ente rilascio"_qs, 300},
          plain(u"DataSca"_qs, u"Data scadenza"_qs, 150, kEdit, 200),
          plain(u"Prodotti"_qs, u"Prodotti di interesse"_qs, 300, kEdit, 400),
          plain(u"Questioni"_qs, u"Questioni in sospeso"_qs, 300, kEdit, 400),
          plain(u"Note"_qs, u"Note"_qs, 300, kEdit, 400),
      }};
  return table;
}
