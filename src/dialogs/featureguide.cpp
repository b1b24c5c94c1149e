#include "dialogs/featureguide.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace FeatureGuide {

QList<Section> sections() {
  return {
      {u"Anteprima"_s,
       {u"Le schermate di stampa dei moduli, della busta e dei moduli in serie mostrano le "
        "pagine sullo schermo prima di stamparle, come usciranno dalla stampante e con i "
        "margini impostati. Nell'anteprima si sfogliano le pagine e si ingrandisce la vista; "
        "il pulsante \"Stampa...\" avvia la stampa delle pagine mostrate, \"Salva PDF...\" "
        "(Ctrl+S) le salva in un documento PDF, da conservare o da spedire per e-mail, "
        "\"Chiudi\" (o il tasto Esc) torna indietro senza stampare."_s,
        u"Per una stampa molto lunga l'anteprima mostra soltanto le prime pagine e lo dice in "
        "alto; la stampa comprende comunque tutte le pagine, e il PDF di una stampa così "
        "lunga si ottiene dalla finestra di stampa."_s}},
      {u"Foglio di prova"_s,
       {u"Il foglio di prova serve a regolare i margini di un modulo senza sprecare i moduli: "
        "si stampa su un foglio bianco, con una crocetta dove andrà ciascuna casella, "
        "contrassegnata con il nome della casella com'è scritto sul modulo."_s,
        u"Sovrapporre il foglio stampato al modulo, controluce, allineati all'angolo indicato "
        "nelle istruzioni (per l'avviso di ricevimento, più piccolo del foglio A4, l'angolo "
        "in alto a sinistra). Misurare di quanti millimetri le caselle del modulo sono più in "
        "basso e più a destra delle crocette, scriverlo nelle due caselle e premere "
        "\"Applica\": i margini del modulo vengono corretti e memorizzati. \"Annulla\" chiude "
        "senza cambiare nulla."_s}},
      {u"Stampa moduli"_s,
       {u"Dagli elenchi delle raccomandate non inviate e degli avvisi non consegnati, il "
        "pulsante \"Stampa moduli\" (Ctrl+Shift+M) stampa in una volta i moduli di tutte le "
        "schede in elenco, oppure soltanto di quelle selezionate: se nell'elenco ci sono "
        "righe selezionate, la scelta proposta è quella."_s,
        u"Per gli avvisi di ricevimento si sceglie se stampare i due lati di ogni avviso uno "
        "dopo l'altro oppure tutti i lati destinatario e poi tutti i lati mittente. Oltre "
        "300 moduli il programma chiede conferma prima di cominciare; durante la stampa una "
        "barra mostra quanti moduli sono stati stampati."_s}},
      {u"Busta"_s,
       {u"Il pulsante \"Busta\" (Ctrl+B) delle ricevute di accettazione e dell'archivio "
        "anagrafico stampa l'indirizzo del destinatario su una busta con finestra, nei "
        "formati DL, C5 e C4. La finestra può essere a destra oppure a sinistra (ISO 269); "
        "la scelta e i margini sono ricordati per ogni formato."_s,
        u"Un indirizzo lungo va a capo tra una parola e l'altra e, se serve, è scritto un poco "
        "più piccolo, senza mai essere tagliato; se non entra neppure così, il programma lo "
        "dice prima di stampare. Il mittente può essere stampato in alto a sinistra: "
        "dall'archivio anagrafico si sceglie con \"Scegli il mittente...\" la scheda da usare, "
        "che resta ricordata."_s}},
      {u"Importa contatti"_s,
       {u"Nell'archivio anagrafico il pulsante \"Importa contatti\" (Ctrl+Shift+O) aggiunge "
        "all'archivio i contatti di un file CSV (come lo salvano Excel, Outlook, Thunderbird "
        "o Google Contatti) o vCard (come lo salvano i telefoni). Scelto il file con "
        "\"Sfoglia...\", la tabella \"Dove va ogni colonna del file\" propone per ogni colonna "
        "il campo della scheda in cui andrà: la proposta si può cambiare colonna per colonna. "
        "Sotto, l'anteprima mostra le schede come saranno salvate."_s,
        u"I contatti già presenti nell'archivio (stesso nome e indirizzo, oppure stesso codice "
        "fiscale o indirizzo e-mail) vengono saltati, a meno di togliere il segno dalla "
        "casella dei doppioni. Le righe del file con un numero di colonne sbagliato sono "
        "segnate nell'anteprima e lasciate fuori, se non si decide altrimenti. I recapiti "
        "che non hanno un campo proprio (un secondo telefono, un secondo indirizzo e-mail) "
        "vanno nelle note della scheda. Alla fine un riepilogo dice quanti contatti sono stati "
        "importati e quali hanno avuto un testo accorciato o un valore lasciato fuori."_s}},
      {u"Salva come"_s,
       {u"Nelle schermate di esportazione, oltre a \"Esporta\" (il file di Excel accanto al "
        "programma), il pulsante \"Salva come\" (Ctrl+Shift+S) salva le schede dove si "
        "vuole, come foglio di calcolo OpenDocument (.ods), cartella di lavoro Excel (.xlsx) "
        "o file CSV."_s,
        u"I fogli .ods e .xlsx mantengono gli zeri iniziali di CAP, partite IVA e numeri di "
        "telefono, perché le loro celle sono di testo. Il file CSV è testo semplice, separato "
        "da punto e virgola: un foglio di calcolo che lo apre può leggere come numeri, e "
        "quindi senza zeri iniziali, le celle fatte di sole cifre."_s}},
  };
}

}  // namespace FeatureGuide

}  // namespace velinda
