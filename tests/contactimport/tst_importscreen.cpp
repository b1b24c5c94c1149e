#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "archive/archiveerror.h"
#include "contactimport/addressbookimport.h"
#include "contactimport/csvreader.h"
#include "contactimport/importmessages.h"
#include "contactimport/tfrmimportacontatti.h"
#include "editors/tfrmanagrafica.h"
#include "support/addressbookcards.h"
#include "support/otherstation.h"
#include "support/recordingfilechooser.h"
#include "support/recordingmessages.h"
#include "support/smalldisk.h"
#include "support/testfolder.h"
#include "support/whenshown.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

using Form = RecordingMessages::Form;

// A LibreOffice CSV export: commas, text quoted, LF line ends.
const QByteArray kThreeContacts =
    "\"Nome\",\"Cognome\",\"Indirizzo\",\"CAP\",\"Città\",\"Provincia\",\"Telefono\",\"E-mail\","
    "\"Note\"\n"
    "\"Pietro\",\"Colombo\",\"Via Cavour, 130\",\"00185\",\"Roma\",\"RM\",\"06 9090608\","
    "\"pietro.colombo@example.it\",\n"
    "\"Anna\",\"Verdi\",\"Corso Italia 2\",\"20121\",\"Milano\",\"MI\",,,\"Chiamare\n"
    "dopo le 18\"\n"
    "\"Luca\",\"Neri\",,,,,,,\n";

// The import screen over a program folder of its own, with the dialogs and
// messages answered by the test; the files to import lie elsewhere.
struct Screen {
  TestFolder folder;
  RecordingMessages messages;
  RecordingFileChooser chooser;
  QTemporaryDir files;
  TfrmImportaContatti screen;

  // The program folder lies inside `folderParent` when one is given.
  explicit Screen(const QString& folderParent = {}) : folder(folderParent) { screen.show(); }

  template <typename T>
  T* get(const QString& name) {
    return screen.findChild<T*>(name);
  }
  QTableView* mapping() { return get<QTableView>(u"grdColonne"_s); }
  QTableView* preview() { return get<QTableView>(u"grdAnteprima"_s); }
  int mappingRow(const QString& column) {
    QAbstractItemModel* model = mapping()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
      if (model->index(row, 0).data().toString() == column) return row;
    }
    qFatal("no column %s", qPrintable(column));
  }
  // The card's field the grid shows for a column of the file.
  QString targetOf(const QString& column) {
    return mapping()->model()->index(mappingRow(column), 2).data().toString();
  }
  // Chooses the field in the grid's editor, as the user does, and confirms
  // it with Enter.
  void chooseTarget(const QString& column, const QString& caption) {
    const QModelIndex field = mapping()->model()->index(mappingRow(column), 2);
    mapping()->setCurrentIndex(field);
    mapping()->edit(field);
    auto* editor = qobject_cast<QComboBox*>(mapping()->indexWidget(field));
    QVERIFY(editor);
    QCOMPARE(editor->objectName(), u"cmbCampo"_s);
    const int at = editor->findText(caption);
    QVERIFY2(at >= 0, qPrintable(caption));
    editor->setCurrentIndex(at);
    QTest::keyClick(editor, Qt::Key_Enter);
  }
  QStringList previewHeaders() {
    QStringList headers;
    QAbstractItemModel* model = preview()->model();
    for (int c = 0; c < model->columnCount(); ++c)
      headers.append(model->headerData(c, Qt::Horizontal).toString());
    return headers;
  }
  QString previewCell(int row, const QString& header) {
    const int column = int(previewHeaders().indexOf(header));
    if (column < 0) qFatal("no preview column %s", qPrintable(header));
    return preview()->model()->index(row, column).data().toString();
  }

  void choose(const QByteArray& bytes, const QString& name = u"contatti.csv"_s) {
    QFile file(files.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    chooser.answers.append(file.fileName());
    get<QPushButton>(u"btnSfoglia"_s)->click();
  }
  void importNow() { get<QPushButton>(u"btnImporta"_s)->click(); }
};

}  // namespace

class ImportScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void importsTheChosenFile() {
    Screen s;
    QCOMPARE(s.screen.windowTitle(), u" Importa contatti nell'archivio anagrafico"_s);
    QVERIFY(!s.get<QPushButton>(u"btnImporta"_s)->isEnabled());
    s.choose(kThreeContacts);
    QCOMPARE(s.chooser.questions.size(), 1);
    QCOMPARE(s.chooser.questions[0].title, ImportMessages::kChooseFile);
    QCOMPARE(s.chooser.questions[0].filters, ImportMessages::kFileTypes);

    QCOMPARE(s.get<QLabel>(u"lblFormato"_s)->text(),
             u"CSV, separatore virgola, codifica UTF-8: 3 contatti."_s);
    QCOMPARE(s.mapping()->model()->rowCount(), 9);
    QCOMPARE(s.targetOf(u"Cognome"_s), u"Nome, cognome o ragione sociale"_s);
    QCOMPARE(s.targetOf(u"Città"_s), u"Località"_s);
    QCOMPARE(s.mapping()->model()->index(0, 1).data().toString(), u"Pietro"_s);
    QCOMPARE(s.preview()->model()->rowCount(), 3);
    QCOMPARE(s.previewCell(0, u"CAP"_s), u"00185"_s);
    QCOMPARE(s.previewCell(1, u"Note"_s), u"Chiamare, dopo le 18"_s);
    QCOMPARE(s.previewCell(2, u"Nome, cognome o ragione sociale"_s), u"Luca Neri"_s);
    QCOMPARE(s.get<QLabel>(u"lblRiepilogo"_s)->text(),
             u"Schede che saranno aggiunte all'archivio: 3."_s);
    QVERIFY(!s.get<QCheckBox>(u"chkSaltaDoppioni"_s)->isEnabled());

    s.importNow();
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Information);
    QCOMPARE(s.messages.last().text, ImportMessages::done({3, 0, 0, 0}, true));
    QCOMPARE(s.get<QProgressBar>(u"prgImporta"_s)->value(), 3);
    QVERIFY(!s.screen.isVisible());
    const QList<TSchedaAnagrafica> cards = addressBookCards();
    QCOMPARE(cards.size(), 3);
    QCOMPARE(cards[0].text(u"Nome"), u"Pietro Colombo"_s);
    QCOMPARE(cards[1].text(u"Nome"), u"Anna Verdi"_s);
    QCOMPARE(cards[2].text(u"Nome"), u"Luca Neri"_s);
  }

  // A card imported is byte for byte the card a user would save after
  // typing the same texts into the address book.
  void anImportedCardIsTheCardTypedIn() {
    Screen s;
    s.choose(kThreeContacts);
    s.importNow();

    TfrmAnagrafica workspace;
    workspace.show();
    // clang-format off
    const QList<QPair<QString, QString>> typed{
        {u"txtNome"_s, u"Pietro Colombo"_s}, {u"txtIndirizzo"_s, u"Via Cavour"_s},
        {u"txtNum"_s, u"130"_s},
        {u"txtCap01"_s, u"0"_s}, {u"txtCap02"_s, u"0"_s}, {u"txtCap03"_s, u"1"_s},
        {u"txtCap04"_s, u"8"_s}, {u"txtCap05"_s, u"5"_s}, {u"txtLocalita"_s, u"Roma"_s},
        {u"txtProv01"_s, u"R"_s}, {u"txtProv02"_s, u"M"_s}, {u"txtTel"_s, u"06 9090608"_s},
        {u"txtEmail"_s, u"pietro.colombo@example.it"_s}};
    // clang-format on
    for (const auto& [box, text] : typed) workspace.findChild<QLineEdit*>(box)->setText(text);
    workspace.findChild<QToolButton*>(u"cmdSalva"_s)->click();

    const QList<TSchedaAnagrafica> cards = addressBookCards();
    QCOMPARE(cards.size(), 4);
    QCOMPARE(cards[0].bytes(), cards[3].bytes());
  }

  void theUsersMappingIsWhatIsStored() {
    Screen s;
    s.choose(kThreeContacts);
    QVERIFY(s.previewHeaders().contains(u"Telefono"_s));
    s.chooseTarget(u"Telefono"_s, u"(non importare)"_s);
    s.chooseTarget(u"Note"_s, u"Questioni in sospeso"_s);
    QVERIFY(!s.previewHeaders().contains(u"Telefono"_s));
    QCOMPARE(s.previewCell(1, u"Questioni in sospeso"_s), u"Chiamare, dopo le 18"_s);

    s.importNow();
    const QList<TSchedaAnagrafica> cards = addressBookCards();
    QCOMPARE(cards.size(), 3);
    QCOMPARE(cards[0].text(u"Tel"), QString());
    QCOMPARE(cards[1].text(u"Note"), QString());
    QCOMPARE(cards[1].text(u"Questioni"), u"Chiamare, dopo le 18"_s);
  }

  // One contact is in the address book already (the same name and tax code)
  // and comes twice in the file.
  void knownContactsAreLeftOutOnlyWhenTheUserSaysSo_data() {
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("left out") << true << QStringList{u"Anna Verdi"_s, u"Luca Neri"_s};
    QTest::newRow("imported all the same")
        << false << QStringList{u"Anna Verdi"_s, u"Anna Verdi"_s, u"anna verdi"_s, u"Luca Neri"_s};
  }
  void knownContactsAreLeftOutOnlyWhenTheUserSaysSo() {
    QFETCH(bool, skip);
    QFETCH(QStringList, names);
    Screen s;
    appendAddressBookCard({{u"Nome"_s, u"Anna Verdi"_s}, {u"CodFisc"_s, u"VRDNNA80A41H501X"_s}});
    // Blanks and letter case aside, the second line names the same person.
    // clang-format off
    s.choose("Nome;Codice fiscale\nAnna Verdi;vrdnna80a41h501x\nanna  verdi;VRDNNA80A41H501X\n"
             "Luca Neri;\n");
    // clang-format on
    auto* box = s.get<QCheckBox>(u"chkSaltaDoppioni"_s);
    QVERIFY(box->isEnabled());
    QCOMPARE(box->text(), ImportMessages::skipKnown(2));
    box->setChecked(skip);
    QCOMPARE(s.get<QLabel>(u"lblRiepilogo"_s)->text(),
             u"Schede che saranno aggiunte all'archivio: %1."_s.arg(skip ? 1 : 3));

    s.importNow();
    QCOMPARE(s.messages.last().text, ImportMessages::done({skip ? 1 : 3, 0, 2, 0}, skip));
    QStringList stored;
    for (const TSchedaAnagrafica& card : addressBookCards()) stored.append(card.text(u"Nome"));
    QCOMPARE(stored, names);
  }

  void unfitFilesImportNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray() << ImportMessages::kEmpty;
    QTest::newRow("a workbook") << QByteArray("PK\x03\x04\0\0\0\0", 8)
                                << ImportMessages::kNotContacts;
    QTest::newRow("unbalanced quotes")
        << QByteArray("Nome;Note\nAnna;ok\nLuca;\"non chiusa\nMarta;x\n")
        << ImportMessages::unclosedQuote(3);
    QTest::newRow("a card left open")
        << QByteArray("BEGIN:VCARD\r\nFN:Anna\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Luca\r\n")
        << ImportMessages::unclosedCard(2);
  }
  void unfitFilesImportNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    Screen s;
    appendAddressBookCard({{u"Nome"_s, u"Già presente"_s}});
    const QByteArray before = s.folder.read(u"Anagrafica.pro"_s);
    s.choose(bytes);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Warning);
    QCOMPARE(s.messages.last().text, message);
    QVERIFY(!s.get<QPushButton>(u"btnImporta"_s)->isEnabled());
    QCOMPARE(s.mapping()->model()->rowCount(), 0);
    QCOMPARE(s.get<QLineEdit>(u"txtFile"_s)->text(), QString());
    QCOMPARE(s.folder.read(u"Anagrafica.pro"_s), before);
  }

  void contactsWithoutANameAreNotImported() {
    Screen s;
    s.choose("Telefono;E-mail\n06 1;a@b.it\n");
    QCOMPARE(s.get<QLabel>(u"lblRiepilogo"_s)->text(),
             u"Schede che saranno aggiunte all'archivio: 0.\n"
             "Contatti senza nome, che non saranno importati: 1."_s);
    s.importNow();
    QCOMPARE(s.messages.last().form, Form::Warning);
    QCOMPARE(s.messages.last().text, ImportMessages::kNoNames);
    QVERIFY(addressBookCards().isEmpty());
  }

  void anAddressBookHeldByAnotherStationIsReportedAsBusy() {
    Screen s;
    appendAddressBookCard({{u"Nome"_s, u"Già presente"_s}});
    LockTimingForTest timing({.waitLimit = std::chrono::milliseconds(300)});
    OtherStation other;
    other.hold(s.folder.filePath(u"Anagrafica.pro"_s));
    s.choose(kThreeContacts);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Error);
    QCOMPARE(s.messages.last().text,
             u"Attenzione: l'archivio è in uso da parte di un'altra postazione.\n\r\n\r"
             u"Attendere qualche istante e riprovare."_s);
    QVERIFY(!s.get<QPushButton>(u"btnImporta"_s)->isEnabled());
  }

  void aReadOnlyAddressBookIsReportedBeforeAnything() {
    Screen s;
    appendAddressBookCard({{u"Nome"_s, u"Già presente"_s}});
    s.folder.makeReadOnly(u"Anagrafica.pro"_s);
    s.choose(kThreeContacts);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Error);
    QCOMPARE(s.messages.last().text, kArchiveAccessMessage);
    QVERIFY(!s.get<QPushButton>(u"btnImporta"_s)->isEnabled());
  }

  // The disk fills up part-way: the cards appended so far are whole and in
  // the file's order, and the message says how many they are.
  void aFullDiskStopsTheImportAndSaysHowFarItGot() {
    QByteArray csv = "Nome;Note\n";
    for (int i = 1; i <= 40; ++i)
      csv += "Contatto " + QByteArray::number(i) + ";" + QByteArray(200, 'n') + "\n";
    SmallDisk disk(64);
    if (!disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    Screen s(disk.path());
    s.choose(csv);
    s.importNow();
    QCOMPARE(s.messages.last().form, Form::Error);
    const QList<TSchedaAnagrafica> cards = addressBookCards();
    QVERIFY(cards.size() > 0 && cards.size() < 40);
    QCOMPARE(s.messages.last().text,
             u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
             u"Accertarsi di possedere i privilegi di scrittura nella cartella di "
             u"installazione del programma.\n\r\n\r"
             u"Schede importate prima dell'errore: %1."_s.arg(cards.size()));
    for (int i = 0; i < cards.size(); ++i)
      QCOMPARE(cards[i].text(u"Nome"), u"Contatto %1"_s.arg(i + 1));
    QVERIFY(s.get<QPushButton>(u"btnImporta"_s)->isEnabled());
  }

  // A file wider than any list of contacts is refused with a message, and
  // one as wide as allowed costs the grid no widget per column.
  void aWideFileNeitherCrashesNorFreezes() {
    Screen s;
    QByteArray row;
    for (int c = 0; c < 1000000; ++c) row += (c ? "," : "") + QByteArray::number(c % 10);
    s.choose("Nome,Tel\n" + row + "\n");
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Warning);
    QCOMPARE(s.messages.last().text, ImportMessages::tooManyColumns(2, CsvReader::kMostColumns));
    QCOMPARE(s.mapping()->model()->rowCount(), 0);

    QByteArrayList names;
    for (int c = 0; c < CsvReader::kMostColumns; ++c) names.append("Nome");
    s.choose(names.join(';') + "\n" + names.join(';') + "\n");
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.mapping()->model()->rowCount(), CsvReader::kMostColumns);
    QCOMPARE(s.targetOf(u"Nome"_s), u"Nome, cognome o ragione sociale"_s);
    QCOMPARE(s.targetOf(u"Nome (500)"_s), u"(non importare)"_s);
    QVERIFY(s.screen.findChildren<QComboBox*>().isEmpty());
  }

  // A link to an endless device: a message, not all of memory.
  void aLinkToZerosEndsWithAMessage() {
    Screen s;
    const QString link = s.files.filePath(u"contatti.csv"_s);
    QVERIFY(QFile::link(u"/dev/zero"_s, link));
    s.chooser.answers.append(link);
    s.get<QPushButton>(u"btnSfoglia"_s)->click();
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().text, ImportMessages::kNotContacts);
  }

  // A line with a value too many (an unquoted comma) would store every value
  // after it in the wrong field: it is shown marked and left out, unless
  // the user says to take it; the report names it.
  void linesThatDoNotFitAreLeftOutUnlessConfirmed_data() {
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("left out") << false;
    QTest::newRow("confirmed") << true;
  }
  void linesThatDoNotFitAreLeftOutUnlessConfirmed() {
    QFETCH(bool, confirmed);
    Screen s;
    s.choose(
        "Nome,Indirizzo,CAP,Città\nAnna Neri,Via Po 1,10123,Torino\n"
        "Luca Bruni,Via Roma, 5,10123,Torino\nMarta Gallo,Via Po 2,10124,Torino\n");
    auto* box = s.get<QCheckBox>(u"chkRigheIrregolari"_s);
    QVERIFY(box->isVisible() && box->isEnabled() && !box->isChecked());
    QCOMPARE(box->text(), ImportMessages::includeMisfits(1));
    QCOMPARE(s.previewCell(1, u"Riga"_s), u"3"_s);
    QCOMPARE(s.previewCell(1, u"Avvisi"_s),
             u"5 valori invece di 4: non sarà importata \u2013 non importato: CAP \u00AB5\u00BB"_s);
    const QModelIndex marked = s.preview()->model()->index(1, 0);
    QVERIFY(marked.data(Qt::BackgroundRole).isValid());
    QVERIFY(!s.preview()->model()->index(0, 0).data(Qt::BackgroundRole).isValid());
    box->setChecked(confirmed);
    // Taken as it stands, the line stores its values shifted: a CAP "5".
    const QString shifted = u"Contatti con valori che la scheda non può contenere: 1."_s;
    QCOMPARE(s.get<QLabel>(u"lblRiepilogo"_s)->text(),
             confirmed ? u"Schede che saranno aggiunte all'archivio: 3.\n"_s + shifted
                       : u"Schede che saranno aggiunte all'archivio: 2."_s);

    s.importNow();
    QStringList stored;
    for (const TSchedaAnagrafica& card : addressBookCards()) stored.append(card.text(u"Nome"));
    const QStringList names = confirmed
                                  ? QStringList{u"Anna Neri"_s, u"Luca Bruni"_s, u"Marta Gallo"_s}
                                  : QStringList{u"Anna Neri"_s, u"Marta Gallo"_s};
    QCOMPARE(stored, names);
    const QString report =
        confirmed ? u"Importazione completata: 3 schede aggiunte nell'archivio anagrafico.\r\n\r\n"
                    "Valori non importati, perché la scheda non può contenerli (1 contatto):\r\n"
                    "riga 3 (Luca Bruni): CAP \u00AB5\u00BB\r\n\r\n"
                    "Righe importate benché abbiano un numero di valori diverso dai nomi delle "
                    "colonne (1 contatto):\r\nriga 3 (Luca Bruni): 5 valori invece di 4"_s
                  : u"Importazione completata: 2 schede aggiunte nell'archivio anagrafico.\r\n\r\n"
                    "Righe non importate perché hanno un numero di valori diverso dai nomi delle "
                    "colonne (1 contatto):\r\nriga 3 (Luca Bruni): 5 valori invece di 4"_s;
    QCOMPARE(s.messages.last().text,
             report +
                 u"\r\n\r\nColonne del file non importate, come indicato nella tabella: "
                 "Colonna 5."_s);
  }

  // The report names, by line and name, every contact whose values did not
  // all reach their own field, and what became of them.
  void theReportNamesWhatWentWhere() {
    Screen s;
    s.choose(
        "Nome;Telefono;Altro telefono;CAP;Città;Provincia;Categoria\n"
        "Anna Neri;06 1;06 2;184;Roma;RM;clienti\n"
        "Luca Bruni;02 1;;20121;Milano;Lombardia;\n"
        "Marta Gall\xF2;011 1;;10124;Torino;TO;\n"
        "Nicol\xC3\xB2 Verdi;;;;;;\n"
        ";06 5;;;;;\n");
    QCOMPARE(s.get<QLabel>(u"lblFormato"_s)->text(),
             u"CSV, separatore punto e virgola, codifica UTF-8 e Windows-1252: 5 contatti."_s);
    QCOMPARE(s.previewCell(0, u"Avvisi"_s),
             u"nella nota: Tel. 06 2 \u2013 CAP completato: 184 \u2192 00184"_s);
    s.importNow();
    QCOMPARE(s.messages.last().text,
             u"Importazione completata: 4 schede aggiunte nell'archivio anagrafico.\r\n\r\n"
             "Recapiti senza un campo proprio, scritti nella nota come \u00ABAltri recapiti\u00BB "
             "(1 contatto):\r\nriga 2 (Anna Neri): Tel. 06 2\r\n\r\n"
             "Valori non importati, perché la scheda non può contenerli (1 contatto):\r\n"
             "riga 3 (Luca Bruni): Provincia \u00ABLombardia\u00BB\r\n\r\n"
             "CAP a cui sono stati restituiti gli zeri iniziali (1 contatto):\r\n"
             "riga 2 (Anna Neri): 184 \u2192 00184\r\n\r\n"
             "Contatti senza nome, non importati (1 contatto):\r\nriga 6 (senza nome)\r\n\r\n"
             "Righe del file che non erano in UTF-8, lette come Windows-1252: 4.\r\n\r\n"
             "Colonne del file non importate, come indicato nella tabella: Categoria."_s);
    const QList<TSchedaAnagrafica> cards = addressBookCards();
    QCOMPARE(cards[0].text(u"Note"), u"Altri recapiti: Tel. 06 2"_s);
    QCOMPARE(cards[2].text(u"Nome"), u"Marta Gallò"_s);
    QCOMPARE(cards[3].text(u"Nome"), u"Nicolò Verdi"_s);
  }

  // Before anything runs the bar is not there to say "0%"; while a file is
  // read it shows, with "Annulla", which gives the reading up.
  void readingShowsProgressAndCanBeGivenUp() {
    Screen s;
    auto* bar = s.get<QProgressBar>(u"prgImporta"_s);
    auto* cancel = s.get<QPushButton>(u"btnAnnulla"_s);
    QVERIFY(!bar->isVisible());
    QVERIFY(!cancel->isVisible());
    QByteArray csv = "Nome;Indirizzo;Note\n";
    for (int i = 0; i < 200000; ++i)
      csv += "Contatto " + QByteArray::number(i) + ";Via Roma " + QByteArray::number(i) + ";nota\n";
    bool sawWork = false;
    QTimer::singleShot(0, [&] {
      sawWork = bar->isVisible() && cancel->isVisible() &&
                !s.get<QPushButton>(u"btnSfoglia"_s)->isEnabled();
      cancel->click();
    });
    s.choose(csv);
    QVERIFY(sawWork);
    QVERIFY(s.messages.entries.isEmpty());
    QCOMPARE(s.get<QLabel>(u"lblFormato"_s)->text(),
             u"Lettura del file interrotta: non c'è nessun contatto da importare."_s);
    QCOMPARE(s.mapping()->model()->rowCount(), 0);
    QVERIFY(!bar->isVisible());
    QVERIFY(!s.get<QPushButton>(u"btnImporta"_s)->isEnabled());
  }

  // A screen reader says the words each control shows: the grids their
  // labels', the grid's list of fields its heading's.
  void everyControlSaysItsVisibleWords() {
    Screen s;
    s.choose(kThreeContacts);
    for (const auto& [grid, label] :
         {std::pair{u"grdColonne"_s, u"lblColonne"_s}, {u"grdAnteprima"_s, u"lblAnteprima"_s}}) {
      const QString words = s.get<QLabel>(label)->text().remove(u':');
      QVERIFY2(s.get<QTableView>(grid)->accessibleName().contains(words), qPrintable(grid));
    }
    const QModelIndex field = s.mapping()->model()->index(0, 2);
    s.mapping()->edit(field);
    auto* editor = qobject_cast<QComboBox*>(s.mapping()->indexWidget(field));
    QVERIFY(editor);
    const QString heading = s.mapping()->model()->headerData(2, Qt::Horizontal).toString();
    QCOMPARE(editor->accessibleName(), heading + u" per la colonna \u00ABNome\u00BB"_s);
    for (const char* button : {"btnSfoglia", "btnImporta", "btnChiudi", "btnAnnulla"}) {
      auto* b = s.get<QPushButton>(QString::fromLatin1(button));
      QVERIFY2(b->accessibleName().isEmpty() || b->accessibleName().contains(b->text()), button);
    }
  }

  // From the address book to the cards imported, by keys alone: Tab moves
  // through the screen and out of each grid, the grid's field opens with F2
  // and takes a choice with Enter, Enter imports, and the address book then
  // has the focus where it was.
  void theImportIsDrivenByKeysAlone() {
    TestFolder folder;
    RecordingMessages messages;
    RecordingFileChooser chooser;
    QTemporaryDir files;
    QFile file(files.filePath(u"contatti.csv"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kThreeContacts);
    file.close();
    chooser.answers.append(file.fileName());
    TfrmAnagrafica workspace;
    workspace.show();
    QApplication::setActiveWindow(&workspace);
    QVERIFY(QTest::qWaitForWindowActive(&workspace));
    auto* town = workspace.findChild<QLineEdit*>(u"txtLocalita"_s);
    town->setFocus();
    QTRY_VERIFY(town->hasFocus());

    auto focused = [] {
      return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    };
    auto key = [](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
      QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    };
    QStringList forwards;
    QString afterEditorTab;
    QString backwards;
    bool shown = false;
    whenShown<TfrmImportaContatti>([&](TfrmImportaContatti& screen) {
      shown = true;
      QApplication::setActiveWindow(&screen);
      QTRY_COMPARE(focused(), u"btnSfoglia"_s);
      key(Qt::Key_Return);
      QCOMPARE(focused(), u"grdColonne"_s);
      // The seventh column, "Telefono", goes nowhere.
      for (int i = 0; i < 6; ++i) key(Qt::Key_Down);
      key(Qt::Key_F2);
      QCOMPARE(focused(), u"cmbCampo"_s);
      key(Qt::Key_Home);
      key(Qt::Key_Return);
      QTRY_COMPARE(focused(), u"grdColonne"_s);
      // Tab from an open field leaves the grid too.
      key(Qt::Key_F2);
      QCOMPARE(focused(), u"cmbCampo"_s);
      key(Qt::Key_Tab);
      QTRY_COMPARE(focused(), u"grdAnteprima"_s);
      afterEditorTab = focused();
      for (int i = 0; i < 6; ++i) {
        key(Qt::Key_Tab);
        forwards.append(focused());
      }
      key(Qt::Key_Tab, Qt::ShiftModifier);
      backwards = focused();
      key(Qt::Key_Return);
    });
    QTest::keyClick(town, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(shown);
    QCOMPARE(afterEditorTab, u"grdAnteprima"_s);
    QCOMPARE(forwards, (QStringList{u"btnImporta"_s, u"btnChiudi"_s, u"txtFile"_s, u"btnSfoglia"_s,
                                    u"grdColonne"_s, u"grdAnteprima"_s}));
    QCOMPARE(backwards, u"grdColonne"_s);
    QCOMPARE(messages.last().text, ImportMessages::done({3, 0, 0, 0}, true) +
                                       u"\r\n\r\nColonne del file non importate, come "
                                       "indicato nella tabella: Telefono."_s);
    const QList<TSchedaAnagrafica> cards = addressBookCards();
    QCOMPARE(cards.size(), 3);
    QCOMPARE(cards[0].text(u"Tel"), QString());
    QTRY_COMPARE(QApplication::activeWindow(), &workspace);
    QTRY_COMPARE(QApplication::focusWidget(), town);
  }

  void theAddressBookOpensTheImport() {
    TestFolder folder;
    RecordingMessages messages;
    TfrmAnagrafica workspace;
    workspace.show();
    auto* button = workspace.findChild<QToolButton*>(u"cmdImportaContatti"_s);
    QVERIFY(button);
    QCOMPARE(button->accessibleName(), u"Importa contatti da un file CSV o vCard"_s);
    QCOMPARE(button->toolTip(),
             button->accessibleName() + u" ("_s +
                 QKeySequence(u"Ctrl+Shift+O"_s).toString(QKeySequence::NativeText) + u")"_s);
    QString opened;
    QTimer::singleShot(0, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        opened = modal->objectName();
        qobject_cast<QDialog*>(modal)->reject();
      }
    });
    button->click();
    QCOMPARE(opened, u"TfrmImportaContatti"_s);
  }
};

QTEST_MAIN(ImportScreenTest)
#include "tst_importscreen.moc"
