#include "contactimport/cardtargets.h"

namespace CardTargets {

const QList<CardTarget>& all() {
  using enum Joining;
  using enum Cleaning;
  static const QList<CardTarget> targets{
      {u"Nome"_qs, u"Nome, cognome o ragione sociale"_qs, Words, None, false},
      {kFirm, u"Ditta o ente"_qs, Words, None, false},
      {u"Indirizzo"_qs, u"Indirizzo"_qs, Words, None, true},
      {u"Num"_qs, u"N. civico"_qs, First, None, true},
      {kCap, u"CAP"_qs, First, UpperNoBlanks, true},
      {u"Localita"_qs, u"Località"_qs, Words, None, true},
      {kProvince, u"Provincia"_qs, First, None, true},
      {kCountry, u"Paese (se non è l'Italia)"_qs, First, None, true},
      {u"Tel"_qs, u"Telefono"_qs, First, None, false},
      {u"Cel"_qs, u"Cellulare"_qs, First, None, false},
      {u"Email"_qs, u"E-mail"_qs, First, Mail, false},
      {u"Pec"_qs, u"PEC"_qs, First, Mail, false},
      {u"DataNasc"_qs, u"Data di nascita"_qs, First, Date, false},
      {u"Sesso"_qs, u"Sesso"_qs, First, Sex, false},
      {u"LuogoNasc"_qs, u"Luogo di nascita"_qs, Words, None, false},
      {u"CodFisc"_qs, u"Codice fiscale"_qs, First, UpperNoBlanks, false},
      {u"PartitaIva"_qs, u"Partita IVA"_qs, First, DigitsOnly, false},
      {u"Iban"_qs, u"IBAN"_qs, First, UpperNoBlanks, false},
      {u"Carta"_qs, u"Carta di credito n."_qs, First, UpperCase, false},
      {u"ScadeCarta"_qs, u"Scadenza carta di credito"_qs, First, None, false},
      {u"Cittadinanza"_qs, u"Cittadinanza"_qs, First, None, false},
      {u"Occupazione"_qs, u"Occupazione"_qs, List, None, false},
      {u"Civile"_qs, u"Stato civile"_qs, First, None, false},
      {u"TipoDoc"_qs, u"Documento (tipo e numero)"_qs, Words, None, false},
      {u"EnteRil"_qs, u"Ente rilascio"_qs, Words, None, false},
      {u"DataRil"_qs, u"Data rilascio"_qs, First, Date, false},
      {u"DataSca"_qs, u"Data scadenza"_qs, First, Date, false},
      {u"Prodotti"_qs, u"Prodotti di interesse"_qs, List, None, false},
      {u"Questioni"_qs, u"Questioni in sospeso"_qs, List, None, false},
      {u"Note"_qs, u"Note"_qs, List, None, false},
  };
  return targets;
}

const CardTarget* find(const QString& key) {
  for (const CardTarget& target : all()) {
    if (target.key == key) return &target;
  }
  return nullptr;
}

}  // namespace CardTargets
