#include "editors/workspaceshortcuts.h"

namespace velinda {

namespace WorkspaceShortcuts {

namespace {

// Ctrl+A, C, V, X and Z stay the text boxes' own editing keys.
constexpr Shortcut kShortcuts[] = {
    {"Ctrl+N", "Nuova scheda", {"cmdNuovo"}},
    {"Ctrl+D", "Duplica la scheda corrente", {"cmdDuplica"}},
    {"Ctrl+S", "Salva la scheda corrente in archivio", {"cmdSalva"}},
    {"Ctrl+F", "Trova una scheda in archivio", {"cmdTrova"}},
    {"Ctrl+Home", "Prima scheda in archivio", {"cmdPrimo"}},
    {"PgUp", "Scheda precedente", {"cmdIndietro"}},
    {"PgDown", "Scheda successiva", {"cmdAvanti"}},
    {"Ctrl+End", "Ultima scheda in archivio", {"cmdUltimo"}},
    {"Ctrl+P",
     "Stampa la ricevuta di accettazione, la scheda anagrafica o il lato destinatario "
     "dell'avviso di ricevimento",
     {"cmdStampa", "cmdStampaDes"}},
    {"Ctrl+Shift+P", "Stampa il lato mittente dell'avviso di ricevimento", {"cmdStampaMit"}},
    {"Ctrl+Shift+A", "Allega file alla scheda corrente", {"cmdFile"}},
    {"Ctrl+E", "Esporta l'archivio in un file di Microsoft Excel", {"cmdEsporta"}},
    {"Ctrl+L",
     "Riepilogo delle raccomandate non inviate o non consegnate, o delle questioni in "
     "sospeso",
     {"cmdDaInviare", "cmdQuestioni"}},
    {"Ctrl+I", "Importa il destinatario dall'archivio anagrafico", {"impDestinatario"}},
    {"Ctrl+Shift+I", "Importa il mittente dall'archivio anagrafico", {"impMittente"}},
    {"Ctrl+;", "Inserisci la data corrente nella data di spedizione", {"impData"}},
    {"Ctrl+M", "Invia una e-mail all'indirizzo della scheda", {"btnEmail"}},
    {"Ctrl+B", "Stampa la busta", {"cmdBusta"}},
    {"Ctrl+Shift+O", "Importa contatti da un file CSV o vCard", {"cmdImportaContatti"}},
    {"F5", "Controlla il codice fiscale", {"btnCodFisc"}},
    {"F6", "Controlla il numero di partita IVA", {"btnPartitaIva"}},
    {"F7", "Controlla l'IBAN", {"btnIban"}},
    {"F8", "Controlla il numero di carta di credito", {"btnCarta"}},
    {"F1", "Guida della schermata di lavoro", {"cmdGuida"}},
    {"Esc", "Chiudi la schermata di lavoro e torna al menu principale", {"cmdEsci"}},
    {"Ctrl+W", "Chiudi la schermata di lavoro e torna al menu principale", {"cmdEsci"}},
};

}  // namespace

std::span<const Shortcut> all() { return kShortcuts; }

QStringList keysFor(const QString& button) {
  QStringList keys;
  for (const Shortcut& s : kShortcuts)
    for (const char* name : s.buttons)
      if (name && button == QLatin1String(name)) keys << QString::fromLatin1(s.keys);
  return keys;
}

}  // namespace WorkspaceShortcuts

}  // namespace velinda
