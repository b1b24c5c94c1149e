#include "dialogs/guidetexts.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kParagraphBreak = u"\r\n\r\n"_s;

}  // namespace

namespace GuideTexts {

AcceptanceGuide acceptanceGuide() {
  return {
      .introduction =
          u"L'app Ricevute di Accettazione riproduce le tre sezioni presenti nel modulo di invio della raccomandata, ossia la sezione del destinatario, quella del mittente e quella dei servizi accessori. E' inoltre possibile indicare la data di spedizione della raccomandata e il suo contenuto. L'utente può inserire i dati sul momento oppure compilare velocemente i campi relativi al mittente e al destinatario sfruttando la funzione di importazione dall'archivio anagrafico. In quest'ultimo caso bisogna utilizzare i pulsanti contraddistinti dall'icona di una freccia presenti a destra dei campi riguardanti il nome, cognome o Ragione sociale del mittente e del destinatario."_s,
      .newCard =
          u"Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, compilare i campi di testo che interessano e premere il pulsante Salva. Si tenga presente che i campi riguardanti il nome del mittente e del destinatario, la data di spedizione e il contenuto della raccomandata sono a compilazione obbligatoria. Per modificare una scheda esistente, bisogna visualizzarla nella schermata di lavoro usando le frecce di scorrimento dei record o la funzione di ricerca, apportare le modifiche desiderate e premere Salva."_s,
      .duplicate =
          u"Il pulsante Duplica è utile se si ha bisogno di registrare due o più ricevute di accettazione con dati simili perché riferite, ad esempio, a spedizioni effettuate allo stesso destinatario. Per duplicare la scheda di una ricevuta di accettazione, basta visualizzare quella già registrata in archivio, fare clic sul pulsante Duplica, inserire i nuovi dati e premere Salva."_s,
      .search =
          u"Il pulsante raffigurante una lente di ingrandimento consente di effettuare ricerche nel database delle schede archiviate. Per trovare le schede in archivio è possibile utilizzare uno o più filtri di ricerca contemporaneamente. Ad esempio, si può ottenere l'elenco di tutti i destinatari che risiedono in un certa località, o di tutte le raccomandate con lo stesso contenuto o spedite nella stessa data."_s,
      .attachments =
          u"Il pulsante Allega file consente di abbinare a ciascuna ricevuta di accettazione fino a tre file di qualsiasi genere che potrebbero contenere, ad esempio, la copia acquisita allo scanner della documentazione spedita o della ricevuta di accettazione cartacea recante il timbro postale. Il contenuto di ogni allegato può essere descritto nell'apposito campo di testo e il file può essere aperto in qualsiasi momento premendo il pulsante Apri."_s,
      .sending =
          u"Nel momento in cui la raccomandata viene spedita, bisogna aprire la relativa scheda, spuntare la casella Inviata e salvare i cambiamenti. Per visualizzare e stampare il riepilogo di tutte le raccomandate non ancora inviate, è sufficiente premere il pulsante contraddistinto dall'icona di un visto."_s,
      .printing =
          u"Una volta compilati i campi che interessano, si può procedere alla stampa della ricevuta di accettazione facendo clic sul pulsante Stampa. Il programma dispone di una semplice funzione per l'impostazione dei margini di stampa da utilizzarsi nel caso in cui i valori di partenza non coincidano con quelli richiesti dalla propria stampante. I valori dei margini possono essere memorizzati utilizzando il pulsante Applica."_s,
      .spreadsheetExport =
          u"Il pulsante con l'icona di Excel consente di esportare i dati testuali presenti nell'archivio delle ricevute di accettazione in un file di Microsoft Excel."_s,
  };
}

QStringList AcceptanceGuide::paragraphs() const {
  return {introduction, newCard, duplicate, search,
          attachments,  sending, printing,  spreadsheetExport};
}

ReturnReceiptGuide returnReceiptGuide() {
  return {
      .introduction =
          u"L'app Avvisi di Ricevimento riproduce in un'unica schermata il fronte e il retro dell'avviso di ricevimento della raccomandata, ossia il lato con l'indirizzo del mittente a cui sarà inviata la ricevuta di ritorno e il lato con l'indirizzo del destinatario. E' inoltre possibile indicare la data di spedizione della raccomandata, il suo contenuto e l'Ufficio di spedizione. In alto a destra, si può tenere traccia del numero riportato sull'etichetta del codice 2DCOMM applicata sul fronte. L'utente può inserire i dati sul momento oppure compilare velocemente i campi relativi al mittente e al destinatario sfruttando la funzione di importazione dall'archivio anagrafico. In quest'ultimo caso bisogna utilizzare i pulsanti contraddistinti dall'icona di una freccia presenti a destra dei campi riguardanti il nome, cognome o Ragione sociale del mittente e del destinatario."_s,
      .newCard =
          u"Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, compilare i campi di testo che interessano e premere il pulsante Salva. Si tenga presente che i campi riguardanti il nome del mittente e del destinatario e il contenuto della raccomandata sono a compilazione obbligatoria. Per modificare una scheda esistente, bisogna visualizzarla nella schermata di lavoro usando le frecce di scorrimento dei record o la funzione di ricerca, apportare le modifiche desiderate e premere Salva."_s,
      .duplicate =
          u"Il pulsante Duplica è utile se si ha bisogno di registrare due o più avvisi di ricevimento con dati simili perché riferiti, ad esempio, a spedizioni effettuate allo stesso destinatario. Per duplicare la scheda di un avviso di ricevimento, basta visualizzare quella già registrata in archivio, fare clic sul pulsante Duplica, inserire i nuovi dati e premere Salva."_s,
      .search =
          u"Il pulsante raffigurante una lente di ingrandimento consente di effettuare ricerche nel database delle schede archiviate. Per trovare le schede in archivio è possibile utilizzare uno o più filtri di ricerca contemporaneamente. Ad esempio, si può ottenere l'elenco di tutti i destinatari che risiedono in un certa località, oppure di tutte le raccomandate con lo stesso contenuto o spedite nella stessa data o dallo stesso Ufficio."_s,
      .delivery =
          u"Se la raccomandata è già stata consegnata al destinatario, bisogna aprire la relativa scheda, spuntare la casella Consegnata e salvare i cambiamenti. Per visualizzare e stampare il riepilogo di tutte le raccomandate non ancora consegnate, è sufficiente premere il pulsante contraddistinto dall'icona di un visto."_s,
      .printing =
          u"Una volta compilati i campi che interessano, si può procedere alla stampa del fronte e del retro dell'avviso di ricevimento. I pulsanti Destinatario e Mittente permettono di selezionare il lato da stampare. Il programma dispone di una semplice funzione per l'impostazione dell'orientamento e dei margini di stampa da utilizzarsi nel caso in cui i valori di partenza non coincidano con quelli richiesti dalla propria stampante. I valori dei margini nonché l'orientamento di stampa prescelto possono essere memorizzati utilizzando il pulsante Applica."_s,
      .spreadsheetExport =
          u"Il pulsante con l'icona di Excel consente di esportare i dati testuali presenti nell'archivio degli avvisi di ricevimento in un file di Microsoft Excel."_s,
  };
}

QStringList ReturnReceiptGuide::paragraphs() const {
  return {introduction, newCard, duplicate, search, delivery, printing, spreadsheetExport};
}

AddressBookGuide addressBookGuide() {
  return {
      .introduction =
          u"L'app Archivio Anagrafico ha lo scopo principale di velocizzare la compilazione delle ricevute di accettazione e degli avvisi di ricevimento grazie alla possibilità di importare i dati. Tuttavia, questa applicazione può anche essere usata come una completa rubrica elettronica dotata di funzioni avanzate quali l'invio di e-mail, il controllo della validità del codice fiscale, della partita IVA, dell'IBAN bancario e del numero di carta di credito."_s,
      .newCard =
          u"Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, compilare i campi di testo che interessano e premere il pulsante Salva. Per modificare una scheda esistente, bisogna visualizzarla nella schermata di lavoro usando le frecce di scorrimento dei record o la funzione di ricerca, apportare le modifiche desiderate e premere Salva."_s,
      .contents =
          u"Nell'archivio anagrafico è possibile annotare cognome, nome, sesso, data e luogo di nascita della persona, la cittadinanza, l'occupazione, lo stato civile, l'indirizzo di residenza, i recapiti telefonici, l'indirizzo e-mail, la PEC, il codice fiscale, il numero di partita IVA, il numero di carta di credito con relativa data di scadenza e l'IBAN bancario. La scheda anagrafica consente, inoltre, di registrare gli estremi di un documento di riconoscimento, i prodotti o servizi abitualmente richiesti e ogni ulteriore annotazione."_s,
      .pendingMatters =
          u"Se esistono importanti questioni in sospeso con la persona o ditta, è possibile prenderne nota nel relativo campo di testo. Se in tale campo è stato inserito del testo, la scheda entra a far parte automaticamente di un elenco contenente tutte le persone con questioni in sospeso che vogliono essere richiamate, ad esempio, nel momento in cui il problema è stato risolto o quando ci sono novità. Per visualizzare tale elenco, basta premere il pulsante raffigurante un triangolo giallo."_s,
      .duplicate =
          u"Il pulsante Duplica è utile se si ha bisogno di registrare due o più schede con dati molto simili perché riferite, ad esempio, ai familiari della persona che risiedono allo stesso indirizzo. Per duplicare una scheda, basta visualizzare quella già registrata in archivio, fare clic sul pulsante Duplica, inserire i nuovi dati e premere Salva."_s,
      .search =
          u"Per trovare le schede anagrafiche in archivio è possibile utilizzare uno o più filtri di ricerca contemporaneamente. Ad esempio, si può ottenere l'elenco di tutte le persone o ditte che risiedono in una certa località, che richiedono abitualmente un determinato prodotto o servizio, che hanno particolari questioni in sospeso o per le quali è stata registrata una certa parola o espressione distintiva nel campo delle note."_s,
      .attachments =
          u"La funzione Allega file consente di abbinare a ciascuna scheda fino a tre file di qualsiasi genere che potrebbero contenere, ad esempio, la copia digitale del documento di riconoscimento oppure un file di Word in cui annotare richieste particolari avanzate dalla persona o ditta. Il contenuto di ogni allegato può essere descritto nell'apposito campo di testo e il file può essere aperto in qualsiasi momento premendo il pulsante Apri."_s,
      .checks =
          u"Appositi pulsanti consentono di controllare la validità del codice fiscale, del numero di carta di credito, dell'IBAN bancario e del numero di partita IVA. Se il numero di partita IVA è esatto, il software indicherà quale Ufficio provinciale lo ha rilasciato. Il campo \"E-mail\" è affiancato da un pulsante che permette di lanciare l'applicazione presente sul proprio computer per la gestione della posta elettronica compilando in automatico la casella dell'indirizzo del destinatario."_s,
      .printAndExport =
          u"La scheda di ogni singola persona o ditta può essere stampata su carta. L'archivio anagrafico può essere esportato in un file di Microsoft Excel utilizzando una semplice funzione accessibile con pochi clic del mouse."_s,
  };
}

QStringList AddressBookGuide::paragraphs() const {
  return {introduction, newCard,     contents, pendingMatters, duplicate,
          search,       attachments, checks,   printAndExport};
}

OverviewGuide overviewGuide() {
  AcceptanceGuide acceptance = acceptanceGuide();
  // In the overview the paragraph on printing ends with a blank.
  acceptance.printing += u' ';
  return {
      .introduction =
          u"Velinda è un software facile e intuitivo che permette la compilazione e la stampa dei moduli utilizzati per la spedizione di raccomandate semplici o con ricevuta di ritorno. I moduli supportati sono quelli per l'accettazione della raccomandata e per l'avviso di ricevimento reperibili presso qualsiasi ufficio postale. La compilazione dei moduli è facilitata dalla possibilità di importare i dati dall'archivio anagrafico, dove è possibile registrare le informazioni relative ai mittenti e ai destinatari."_s,
      .acceptance = acceptance,
      .returnReceipt = returnReceiptGuide(),
      .addressBook = addressBookGuide(),
      .network =
          u"Velinda può essere utilizzato anche in una rete locale se si ha necessità di condividere gli archivi fra più postazioni di lavoro."_s,
      .password =
          u"L'accesso al software è protetto da una password aggiornabile dall'utente che può essere cambiata tutte le volte che si desidera. Per il primo accesso al programma, bisogna utilizzare la parola chiave \""_s +
          kInitialPassword + u"\" (scritta senza le virgolette)."_s,
      .usbStick =
          u"Velinda funziona anche su chiavetta USB. A tal fine, basta copiare la cartella del programma su pen-drive e fare doppio clic sull'icona dell'applicazione per eseguirla. La copia della cartella su dispositivo esterno è anche il metodo più veloce per effettuare il backup di tutti gli archivi."_s,
      .conclusion =
          u"Velinda è quindi lo strumento ideale per le aziende o i privati cittadini che vogliono avvalersi del proprio computer per compilare e stampare in pochi secondi i moduli per le raccomandate A.R. e per tenere traccia di tutte le spedizioni effettuate. L'utente resterà piacevolmente sorpreso nel constatare come il software richieda tempi di apprendimento praticamente nulli."_s,
  };
}

QStringList OverviewGuide::paragraphs() const {
  return QStringList{introduction} + acceptance.paragraphs() + returnReceipt.paragraphs() +
         addressBook.paragraphs() + QStringList{network, password, usbStick, conclusion};
}

QStringList acceptanceParagraphs() { return acceptanceGuide().paragraphs(); }
QStringList returnReceiptParagraphs() { return returnReceiptGuide().paragraphs(); }
QStringList addressBookParagraphs() { return addressBookGuide().paragraphs(); }
QStringList overviewParagraphs() { return overviewGuide().paragraphs(); }

QString join(const QStringList& paragraphs) { return paragraphs.join(kParagraphBreak); }

QString acceptance() { return join(acceptanceParagraphs()); }
QString returnReceipt() { return join(returnReceiptParagraphs()); }
QString addressBook() { return join(addressBookParagraphs()); }
QString overview() { return join(overviewParagraphs()); }

}  // namespace GuideTexts

}  // namespace velinda
