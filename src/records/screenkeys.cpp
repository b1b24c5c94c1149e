#include "records/screenkeys.h"

namespace velinda {

namespace ScreenKeys {

namespace {

// Where the workspaces give a chord a meaning, these screens give it the
// same one or none: Ctrl+F finds, Ctrl+P prints, Ctrl+E exports, F1 helps.
constexpr Shortcut kShortcuts[] = {
    {"Ctrl+F", "Porta il cursore nella casella di ricerca dell'elenco", "txtTrova"},
    {"Return",
     "Richiama la scheda della riga scelta nell'elenco, come il doppio clic (anche Invio "
     "del tastierino)",
     "lstRecords"},
    {"Ctrl+P", "Stampa il riepilogo dell'elenco", "btnStampa"},
    {"Ctrl+Shift+M", "Stampa i moduli delle schede in elenco, o di quelle scelte",
     "btnStampaModuli"},
    {"Ctrl+E", "Esporta l'archivio in un file di Microsoft Excel", "cmdEsporta"},
    {"Ctrl+Shift+S", "Salva l'archivio come foglio OpenDocument, Excel o CSV", "cmdSalvaCome"},
    {"F1", "Guida della schermata", "cmdGuida"},
    {"Esc", "Chiude la schermata", "cmdEsci"},
};

// The main menu: its three columns by their position, the corner entries by
// what they open.
constexpr Shortcut kMenuKeys[] = {
    {"Ctrl+1", "Apre l'archivio anagrafico", "btnAnagrafica"},
    {"Ctrl+2", "Apre le ricevute di accettazione", "btnAccettazione"},
    {"Ctrl+3", "Apre gli avvisi di ricevimento", "btnRicevimento"},
    {"F1", "Guida all'utilizzo del software", "imgGuida"},
    {"Shift+F1", "Informazioni su Velinda", "imgInfo"},
    {"Ctrl+Shift+W", "Visita il sito web di Velinda", "imgSito"},
    {"Ctrl+Q", "Esce dal programma", "imgEsci"},
};

}  // namespace

std::span<const Shortcut> all() { return kShortcuts; }

std::span<const Shortcut> menu() { return kMenuKeys; }

QString keysFor(const QString& control) {
  for (std::span<const Shortcut> table : {all(), menu()})
    for (const Shortcut& s : table)
      if (control == QLatin1String(s.control)) return QString::fromLatin1(s.keys);
  return {};
}

}  // namespace ScreenKeys

}  // namespace velinda
