#include "contactimport/provinces.h"

#include <QHash>

#include "contactimport/matchkey.h"
#include "core/text.h"

namespace velinda {

namespace {

struct Province {
  const char* code;
  const char* name;
};

// The provinces and metropolitan cities, with the other names their places
// go by.
const Province kProvinces[] = {
    // clang-format off
    {"AG", "Agrigento"}, {"AL", "Alessandria"}, {"AN", "Ancona"}, {"AO", "Aosta"},
    {"AO", "Aoste"}, {"AO", "Valle d'Aosta"}, {"AR", "Arezzo"}, {"AP", "Ascoli Piceno"},
    {"AT", "Asti"}, {"AV", "Avellino"}, {"BA", "Bari"}, {"BT", "Barletta-Andria-Trani"},
    {"BL", "Belluno"}, {"BN", "Benevento"}, {"BG", "Bergamo"}, {"BI", "Biella"},
    {"BO", "Bologna"}, {"BZ", "Bolzano"}, {"BZ", "Bozen"}, {"BZ", "Bolzano/Bozen"},
    {"BS", "Brescia"}, {"BR", "Brindisi"}, {"CA", "Cagliari"}, {"CL", "Caltanissetta"},
    {"CB", "Campobasso"}, {"CE", "Caserta"}, {"CT", "Catania"}, {"CZ", "Catanzaro"},
    {"CH", "Chieti"}, {"CO", "Como"}, {"CS", "Cosenza"}, {"CR", "Cremona"},
    {"KR", "Crotone"}, {"CN", "Cuneo"}, {"EN", "Enna"}, {"FM", "Fermo"},
    {"FE", "Ferrara"}, {"FI", "Firenze"}, {"FG", "Foggia"}, {"FC", "Forlì-Cesena"},
    {"FC", "Forlì"}, {"FR", "Frosinone"}, {"GE", "Genova"}, {"GO", "Gorizia"},
    {"GR", "Grosseto"}, {"IM", "Imperia"}, {"IS", "Isernia"}, {"SP", "La Spezia"},
    {"AQ", "L'Aquila"}, {"AQ", "Aquila"}, {"LT", "Latina"}, {"LE", "Lecce"},
    {"LC", "Lecco"}, {"LI", "Livorno"}, {"LO", "Lodi"}, {"LU", "Lucca"},
    {"MC", "Macerata"}, {"MN", "Mantova"}, {"MS", "Massa-Carrara"}, {"MS", "Massa"},
    {"MT", "Matera"}, {"ME", "Messina"}, {"MI", "Milano"}, {"MO", "Modena"},
    {"MB", "Monza e della Brianza"}, {"MB", "Monza e Brianza"}, {"MB", "Monza"},
    {"NA", "Napoli"}, {"NO", "Novara"}, {"NU", "Nuoro"}, {"OR", "Oristano"},
    {"PD", "Padova"}, {"PA", "Palermo"}, {"PR", "Parma"}, {"PV", "Pavia"},
    {"PG", "Perugia"}, {"PU", "Pesaro e Urbino"}, {"PU", "Pesaro-Urbino"}, {"PE", "Pescara"},
    {"PC", "Piacenza"}, {"PI", "Pisa"}, {"PT", "Pistoia"}, {"PN", "Pordenone"},
    {"PZ", "Potenza"}, {"PO", "Prato"}, {"RG", "Ragusa"}, {"RA", "Ravenna"},
    {"RC", "Reggio Calabria"}, {"RC", "Reggio di Calabria"}, {"RE", "Reggio Emilia"},
    {"RE", "Reggio nell'Emilia"}, {"RI", "Rieti"}, {"RN", "Rimini"}, {"RM", "Roma"},
    {"RO", "Rovigo"}, {"SA", "Salerno"}, {"SS", "Sassari"}, {"SV", "Savona"},
    {"SI", "Siena"}, {"SR", "Siracusa"}, {"SO", "Sondrio"}, {"SU", "Sud Sardegna"},
    {"TA", "Taranto"}, {"TE", "Teramo"}, {"TR", "Terni"}, {"TO", "Torino"},
    {"TP", "Trapani"}, {"TN", "Trento"}, {"TV", "Treviso"}, {"TS", "Trieste"},
    {"UD", "Udine"}, {"VA", "Varese"}, {"VE", "Venezia"}, {"VB", "Verbano-Cusio-Ossola"},
    {"VC", "Vercelli"}, {"VR", "Verona"}, {"VV", "Vibo Valentia"}, {"VI", "Vicenza"},
    // clang-format on
    {"VT", "Viterbo"},
};

const QHash<QString, QString>& codesByName() {
  static const QHash<QString, QString> table = [] {
    QHash<QString, QString> t;
    for (const Province& p : kProvinces)
      t.insert(matchKey(QString::fromUtf8(p.name)), QString::fromLatin1(p.code));
    return t;
  }();
  return table;
}

bool isTwoLetters(const QString& text) {
  return text.size() == 2 && text[0].isLetter() && text[1].isLetter();
}

}  // namespace

QString provinceCode(const QString& text) {
  const QString trimmed = Text::trimmed(text);
  if (isTwoLetters(trimmed)) return Text::upperAscii(trimmed);
  return codesByName().value(matchKey(trimmed));
}

}  // namespace velinda
