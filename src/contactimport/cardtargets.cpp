#include "contactimport/cardtargets.h"

#include <QHash>

namespace velinda {

using namespace Qt::StringLiterals;

namespace CardTargets {

const QList<CardTarget>& all() {
  using enum Joining;
  using enum Cleaning;
  static const QList<CardTarget> targets{
      {u"Nome"_s, u"Nome, cognome o ragione sociale"_s, Words, None, false},
      {kFirm, u"Ditta o ente"_s, Words, None, false},
      {u"Indirizzo"_s, u"Indirizzo"_s, Words, None, true},
      {u"Num"_s, u"N. civico"_s, First, None, true},
      {kCap, u"CAP"_s, First, UpperNoBlanks, true},
      {u"Localita"_s, u"Località"_s, Words, None, true},
      {kProvince, u"Provincia"_s, First, None, true},
      {kCountry, u"Paese (se non è l'Italia)"_s, First, None, true},
      {kWholeAddress, u"Indirizzo completo (su più righe)"_s, First, None, true},
      {u"Tel"_s, u"Telefono"_s, First, None, false, u"Tel."_s},
      {u"Cel"_s, u"Cellulare"_s, First, None, false, u"Cell."_s},
      {u"Email"_s, u"E-mail"_s, First, Mail, false, u"E-mail"_s},
      {u"Pec"_s, u"PEC"_s, First, Mail, false, u"PEC"_s},
      {kOtherContacts, u"Altri recapiti (nella nota)"_s, List, None, false},
      {u"DataNasc"_s, u"Data di nascita"_s, First, Date, false},
      {kBirthDay, u"Giorno di nascita"_s, First, None, false},
      {kBirthMonth, u"Mese di nascita"_s, First, None, false},
      {kBirthYear, u"Anno di nascita"_s, First, None, false},
      {u"Sesso"_s, u"Sesso"_s, First, Sex, false},
      {u"LuogoNasc"_s, u"Luogo di nascita"_s, Words, None, false},
      {u"CodFisc"_s, u"Codice fiscale"_s, First, UpperNoBlanks, false},
      {u"PartitaIva"_s, u"Partita IVA"_s, First, DigitsOnly, false},
      {u"Iban"_s, u"IBAN"_s, First, UpperNoBlanks, false},
      {u"Carta"_s, u"Carta di credito n."_s, First, UpperCase, false},
      {u"ScadeCarta"_s, u"Scadenza carta di credito"_s, First, None, false},
      {u"Cittadinanza"_s, u"Cittadinanza"_s, First, None, false},
      {u"Occupazione"_s, u"Occupazione"_s, List, None, false},
      {u"Civile"_s, u"Stato civile"_s, First, None, false},
      {u"TipoDoc"_s, u"Documento (tipo e numero)"_s, Words, None, false},
      {u"EnteRil"_s, u"Ente rilascio"_s, Words, None, false},
      {u"DataRil"_s, u"Data rilascio"_s, First, Date, false},
      {u"DataSca"_s, u"Data scadenza"_s, First, Date, false},
      {u"Prodotti"_s, u"Prodotti di interesse"_s, List, None, false},
      {u"Questioni"_s, u"Questioni in sospeso"_s, List, None, false},
      {u"Note"_s, u"Note"_s, List, None, false},
  };
  return targets;
}

const CardTarget* find(const QString& key) {
  static const QHash<QString, const CardTarget*> byKey = [] {
    QHash<QString, const CardTarget*> table;
    for (const CardTarget& target : all()) table.insert(target.key, &target);
    return table;
  }();
  return byKey.value(key);
}

}  // namespace CardTargets

}  // namespace velinda
