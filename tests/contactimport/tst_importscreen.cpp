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
#include "contactimport/importmessages.h"
#include "contactimport/tfrmimportacontatti.h"
#include "editors/tfrmanagrafica.h"
#include "support/addressbookcards.h"
#include "support/otherstation.h"
#include "support/recordingfilechooser.h"
#include "support/recordingmessages.h"
#include "support/smalldisk.h"
#include "support/testfolder.h"

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
    const QList<QPair<QString, QString>> typed{
        {u"txtNome"_s, u"Pietro Colombo"_s}, {u"txtIndirizzo"_s, u"Via Cavour"_s},
        {u"txtNum"_s, u"130"_s},
        {u"txtCap01"_s, u"0"_s}, {u"txtCap02"_s, u"0"_s}, {u"txtCap03"_s, u"1"_s},
        {u"txtCap04"_s, u"8"_s}, {u"txtCap05"_s, u"5"_s}, {u"txtLocalita"_s, u"Roma"_s},
        {u"txtProv01"_s, u"R"_s}, {u"txtProv02"_s, u"M"_s}, {u"txtTel"_s, u"06 9090608"_s},
        {u"txtEmail"_s, u"pietro.colombo@example.it"_s}};
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
        << false
        << QStringList{u"Anna Verdi"_s, u"Anna Verdi"_s, u"anna verdi"_s, u"Luca Neri"_s};
  }
  void knownContactsAreLeftOutOnlyWhenTheUserSaysSo() {
    QFETCH(bool, skip);
    QFETCH(QStringList, names);
    Screen s;
    appendAddressBookCard(
        {{u"Nome"_s, u"Anna Verdi"_s}, {u"CodFisc"_s, u"VRDNNA80A41H501X"_s}});
    // Blanks and letter case aside, the second line names the same person.
    s.choose("Nome;Codice fiscale\nAnna Verdi;vrdnna80a41h501x\nanna  verdi;VRDNNA80A41H501X\n"
             "Luca Neri;\n");
    auto* box = s.get<QCheckBox>(u"chkSaltaDoppioni"_s);
    QVERIFY(box->isEnabled());
    QCOMPARE(box->text(), ImportMessages::skipKnown(2));
    box->setChecked(skip);
    QCOMPARE(s.get<QLabel>(u"lblRiepilogo"_s)->text(),
             u"Schede che saranno aggiunte all'archivio: %1."_s.arg(skip ? 1 : 3));

    s.importNow();
    QCOMPARE(s.messages.last().text,
             ImportMessages::done({skip ? 1 : 3, 0, 2, 0}, skip));
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

  void theAddressBookOpensTheImport() {
    TestFolder folder;
    RecordingMessages messages;
    TfrmAnagrafica workspace;
    workspace.show();
    auto* button = workspace.findChild<QToolButton*>(u"cmdImportaContatti"_s);
    QVERIFY(button);
    QCOMPARE(button->accessibleName(), u"Importa contatti da un file CSV o vCard"_s);
    QCOMPARE(button->toolTip(), button->accessibleName() + u" ("_s +
                                    QKeySequence(u"Ctrl+Shift+O"_s).toString(QKeySequence::NativeText) +
                                    u")"_s);
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
