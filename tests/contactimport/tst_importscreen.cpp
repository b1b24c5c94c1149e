#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
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
  QTableWidget* mapping() { return get<QTableWidget>(u"grdColonne"_qs); }
  QTableWidget* preview() { return get<QTableWidget>(u"grdAnteprima"_qs); }
  QComboBox* fieldFor(const QString& column) {
    for (int row = 0; row < mapping()->rowCount(); ++row) {
      if (mapping()->item(row, 0)->text() == column)
        return qobject_cast<QComboBox*>(mapping()->cellWidget(row, 2));
    }
    return nullptr;
  }
  QStringList previewHeaders() {
    QStringList headers;
    for (int c = 0; c < preview()->columnCount(); ++c)
      headers.append(preview()->horizontalHeaderItem(c)->text());
    return headers;
  }
  QString previewCell(int row, const QString& header) {
    return preview()->item(row, int(previewHeaders().indexOf(header)))->text();
  }

  void choose(const QByteArray& bytes, const QString& name = u"contatti.csv"_qs) {
    QFile file(files.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    chooser.answers.append(file.fileName());
    get<QPushButton>(u"btnSfoglia"_qs)->click();
  }
  void importNow() { get<QPushButton>(u"btnImporta"_qs)->click(); }
};

}  // namespace

class ImportScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void importsTheChosenFile() {
    Screen s;
    QCOMPARE(s.screen.windowTitle(), u" Importa contatti nell'archivio anagrafico"_qs);
    QVERIFY(!s.get<QPushButton>(u"btnImporta"_qs)->isEnabled());
    s.choose(kThreeContacts);
    QCOMPARE(s.chooser.questions.size(), 1);
    QCOMPARE(s.chooser.questions[0].title, ImportMessages::kChooseFile);
    QCOMPARE(s.chooser.questions[0].filters, ImportMessages::kFileTypes);

    QCOMPARE(s.get<QLabel>(u"lblFormato"_qs)->text(),
             u"CSV, separatore virgola, codifica UTF-8: 3 contatti."_qs);
    QCOMPARE(s.mapping()->rowCount(), 9);
    QCOMPARE(s.fieldFor(u"Cognome"_qs)->currentText(), u"Nome, cognome o ragione sociale"_qs);
    QCOMPARE(s.fieldFor(u"Città"_qs)->currentText(), u"Località"_qs);
    QCOMPARE(s.mapping()->item(0, 1)->text(), u"Pietro"_qs);
    QCOMPARE(s.preview()->rowCount(), 3);
    QCOMPARE(s.previewCell(0, u"CAP"_qs), u"00185"_qs);
    QCOMPARE(s.previewCell(1, u"Note"_qs), u"Chiamare, dopo le 18"_qs);
    QCOMPARE(s.previewCell(2, u"Nome, cognome o ragione sociale"_qs), u"Luca Neri"_qs);
    QCOMPARE(s.get<QLabel>(u"lblRiepilogo"_qs)->text(),
             u"Schede che saranno aggiunte all'archivio: 3."_qs);
    QVERIFY(!s.get<QCheckBox>(u"chkSaltaDoppioni"_qs)->isEnabled());

    s.importNow();
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Information);
    QCOMPARE(s.messages.last().text, ImportMessages::done({3, 0, 0, 0}, true));
    QCOMPARE(s.get<QProgressBar>(u"prgImporta"_qs)->value(), 3);
    QVERIFY(!s.screen.isVisible());
    const QList<TSchedaAnagrafica> cards = addressBookCards();
    QCOMPARE(cards.size(), 3);
    QCOMPARE(cards[0].text(u"Nome"), u"Pietro Colombo"_qs);
    QCOMPARE(cards[1].text(u"Nome"), u"Anna Verdi"_qs);
    QCOMPARE(cards[2].text(u"Nome"), u"Luca Neri"_qs);
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
        {u"txtNome"_qs, u"Pietro Colombo"_qs}, {u"txtIndirizzo"_qs, u"Via Cavour"_qs},
        {u"txtNum"_qs, u"130"_qs},
        {u"txtCap01"_qs, u"0"_qs}, {u"txtCap02"_qs, u"0"_qs}, {u"txtCap03"_qs, u"1"_qs},
        {u"txtCap04"_qs, u"8"_qs}, {u"txtCap05"_qs, u"5"_qs}, {u"txtLocalita"_qs, u"Roma"_qs},
        {u"txtProv01"_qs, u"R"_qs}, {u"txtProv02"_qs, u"M"_qs}, {u"txtTel"_qs, u"06 9090608"_qs},
        {u"txtEmail"_qs, u"pietro.colombo@example.it"_qs}};
    for (const auto& [box, text] : typed) workspace.findChild<QLineEdit*>(box)->setText(text);
    workspace.findChild<QToolButton*>(u"cmdSalva"_qs)->click();

    const QList<TSchedaAnagrafica> cards = addressBookCards();
    QCOMPARE(cards.size(), 4);
    QCOMPARE(cards[0].bytes(), cards[3].bytes());
  }

  void theUsersMappingIsWhatIsStored() {
    Screen s;
    s.choose(kThreeContacts);
    QVERIFY(s.previewHeaders().contains(u"Telefono"_qs));
    s.fieldFor(u"Telefono"_qs)->setCurrentIndex(0);
    QComboBox* notes = s.fieldFor(u"Note"_qs);
    notes->setCurrentIndex(notes->findText(u"Questioni in sospeso"_qs));
    QVERIFY(!s.previewHeaders().contains(u"Telefono"_qs));
    QCOMPARE(s.previewCell(1, u"Questioni in sospeso"_qs), u"Chiamare, dopo le 18"_qs);

    s.importNow();
    const QList<TSchedaAnagrafica> cards = addressBookCards();
    QCOMPARE(cards.size(), 3);
    QCOMPARE(cards[0].text(u"Tel"), QString());
    QCOMPARE(cards[1].text(u"Note"), QString());
    QCOMPARE(cards[1].text(u"Questioni"), u"Chiamare, dopo le 18"_qs);
  }

  // One contact is in the address book already (the same name and tax code)
  // and comes twice in the file.
  void knownContactsAreLeftOutOnlyWhenTheUserSaysSo_data() {
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("left out") << true << QStringList{u"Anna Verdi"_qs, u"Luca Neri"_qs};
    QTest::newRow("imported all the same")
        << false
        << QStringList{u"Anna Verdi"_qs, u"Anna Verdi"_qs, u"anna verdi"_qs, u"Luca Neri"_qs};
  }
  void knownContactsAreLeftOutOnlyWhenTheUserSaysSo() {
    QFETCH(bool, skip);
    QFETCH(QStringList, names);
    Screen s;
    appendAddressBookCard(
        {{u"Nome"_qs, u"Anna Verdi"_qs}, {u"CodFisc"_qs, u"VRDNNA80A41H501X"_qs}});
    // Blanks and letter case aside, the second line names the same person.
    s.choose("Nome;Codice fiscale\nAnna Verdi;vrdnna80a41h501x\nanna  verdi;VRDNNA80A41H501X\n"
             "Luca Neri;\n");
    auto* box = s.get<QCheckBox>(u"chkSaltaDoppioni"_qs);
    QVERIFY(box->isEnabled());
    QCOMPARE(box->text(), ImportMessages::skipKnown(2));
    box->setChecked(skip);
    QCOMPARE(s.get<QLabel>(u"lblRiepilogo"_qs)->text(),
             u"Schede che saranno aggiunte all'archivio: %1."_qs.arg(skip ? 1 : 3));

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
    appendAddressBookCard({{u"Nome"_qs, u"Già presente"_qs}});
    const QByteArray before = s.folder.read(u"Anagrafica.pro"_qs);
    s.choose(bytes);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Warning);
    QCOMPARE(s.messages.last().text, message);
    QVERIFY(!s.get<QPushButton>(u"btnImporta"_qs)->isEnabled());
    QCOMPARE(s.mapping()->rowCount(), 0);
    QCOMPARE(s.get<QLineEdit>(u"txtFile"_qs)->text(), QString());
    QCOMPARE(s.folder.read(u"Anagrafica.pro"_qs), before);
  }

  void contactsWithoutANameAreNotImported() {
    Screen s;
    s.choose("Telefono;E-mail\n06 1;a@b.it\n");
    QCOMPARE(s.get<QLabel>(u"lblRiepilogo"_qs)->text(),
             u"Schede che saranno aggiunte all'archivio: 0.\n"
             "Contatti senza nome, che non saranno importati: 1."_qs);
    s.importNow();
    QCOMPARE(s.messages.last().form, Form::Warning);
    QCOMPARE(s.messages.last().text, ImportMessages::kNoNames);
    QVERIFY(addressBookCards().isEmpty());
  }

  void anAddressBookHeldByAnotherStationIsReportedAsBusy() {
    Screen s;
    appendAddressBookCard({{u"Nome"_qs, u"Già presente"_qs}});
    LockTimingForTest timing({.waitLimit = std::chrono::milliseconds(300)});
    OtherStation other;
    other.hold(s.folder.filePath(u"Anagrafica.pro"_qs));
    s.choose(kThreeContacts);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Error);
    QCOMPARE(s.messages.last().text,
             u"Attenzione: l'archivio è in uso da parte di un'altra postazione.\n\r\n\r"
             u"Attendere qualche istante e riprovare."_qs);
    QVERIFY(!s.get<QPushButton>(u"btnImporta"_qs)->isEnabled());
  }

  void aReadOnlyAddressBookIsReportedBeforeAnything() {
    Screen s;
    appendAddressBookCard({{u"Nome"_qs, u"Già presente"_qs}});
    s.folder.makeReadOnly(u"Anagrafica.pro"_qs);
    s.choose(kThreeContacts);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Error);
    QCOMPARE(s.messages.last().text, kArchiveAccessMessage);
    QVERIFY(!s.get<QPushButton>(u"btnImporta"_qs)->isEnabled());
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
             u"Schede importate prima dell'errore: %1."_qs.arg(cards.size()));
    for (int i = 0; i < cards.size(); ++i)
      QCOMPARE(cards[i].text(u"Nome"), u"Contatto %1"_qs.arg(i + 1));
    QVERIFY(s.get<QPushButton>(u"btnImporta"_qs)->isEnabled());
  }

  void theAddressBookOpensTheImport() {
    TestFolder folder;
    RecordingMessages messages;
    TfrmAnagrafica workspace;
    workspace.show();
    auto* button = workspace.findChild<QToolButton*>(u"cmdImportaContatti"_qs);
    QVERIFY(button);
    QCOMPARE(button->accessibleName(), u"Importa contatti da un file CSV o vCard"_qs);
    QCOMPARE(button->toolTip(), button->accessibleName() + u" ("_qs +
                                    QKeySequence(u"Ctrl+Shift+O"_qs).toString(QKeySequence::NativeText) +
                                    u")"_qs);
    QString opened;
    QTimer::singleShot(0, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        opened = modal->objectName();
        qobject_cast<QDialog*>(modal)->reject();
      }
    });
    button->click();
    QCOMPARE(opened, u"TfrmImportaContatti"_qs);
  }
};

QTEST_MAIN(ImportScreenTest)
#include "tst_importscreen.moc"
