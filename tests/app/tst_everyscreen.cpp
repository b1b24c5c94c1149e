#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/programscreens.h"
#include "archive/layouts.h"
#include "archive/tscheda.h"
#include "core/unknownname.h"
#include "editors/editorworkflow.h"
#include "editors/fieldtable.h"
#include "editors/workspacewindow.h"
#include "print/formlayout.h"
#include "print/tfrmstampaaccettazione.h"
#include "print/tfrmstampaanagrafica.h"
#include "print/tfrmstamparicevimentodes.h"
#include "print/tfrmstamparicevimentomit.h"
#include "printjobs/envelopescreen.h"
#include "records/cardtexts.h"
#include "records/screentexts.h"
#include "support/classname.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"
#include "widgets/enterfocuschain.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

QWidget* topLevel(const QString& className) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (velinda::className(w) == className) return w;
  qFatal("no top-level screen %s", qPrintable(className));
}

// Clicks the buttons of `path` one screen after another, each in the modal
// screen the one before opened, and answers the class of the last screen
// opened, or nothing when a click opened none. Every screen is closed again.
QString openThrough(QWidget* screen, QStringList path) {
  if (path.isEmpty()) return velinda::className(screen);
  auto* button = screen->findChild<QAbstractButton*>(path.takeFirst());
  if (!button) return u"no button"_s;
  QString reached;
  QObject pending;  // a click that opened nothing leaves no timer behind
  QTimer::singleShot(0, &pending, [&reached, screen, path] {
    QWidget* opened = QApplication::activeModalWidget();
    if (!opened || opened == screen) return;
    reached = openThrough(opened, path);
    opened->close();
  });
  button->click();
  QCoreApplication::processEvents();
  return reached;
}

// A workspace with a misspelt button in its table.
const WorkspaceLook kLook{ArchiveKind::Acceptance,
                          " Prova",
                          {{"cmdUno", "", "Uno", ""}, {"cmdDue", "", "Due", ""}},
                          {"cmdElenco", "", "Elenco", ""},
                          "Prova",
                          [] { return QString(); }};

class MisspeltButtonWorkspace : public WorkspaceWindow {
 public:
  MisspeltButtonWorkspace() : WorkspaceWindow(kLook) {
    connectClick(u"cmdDeu"_s, [] {});
  }
};

// Texts taken for every control but one, as an opener that took them for
// another screen would give them.
FormTexts allBut(const FormControls& controls, const QString& missing) {
  FormTexts texts;
  for (const QString& name : controls.texts)
    if (name != missing) texts.setText(name, {});
  for (const QString& name : controls.ticks)
    if (name != missing) texts.setTicked(name, false);
  return texts;
}

}  // namespace

// Every screen of the program, built on a fresh program folder and reached
// the way the user reaches it. Building a screen resolves every name in its
// tables, so a misspelt name stops the screen instead of leaving a dead
// button or a box bound to no field.
class EveryScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void everyScreenOpensFromItsButton_data() {
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("screen");
    const auto row = [](const char* name, QStringList path, const char* screen) {
      QTest::newRow(name) << path << QString::fromLatin1(screen);
    };
    row("menu", {u"TfrmAvvio"_s}, "TfrmAvvio");
    row("login", {u"TfrmPassword"_s}, "TfrmPassword");
    row("change password", {u"TfrmCambiaPassword"_s}, "TfrmCambiaPassword");
    row("information", {u"TfrmAvvio"_s, u"imgInfo"_s}, "TfrmInfo");
    row("splash", {u"TfrmAvvio"_s, u"imgSplash"_s}, "TfrmSplash");
    row("overview", {u"TfrmAvvio"_s, u"imgGuida"_s}, "TfrmGuida");

    const QString acceptance = u"TfrmAccettazione"_s;
    row("acceptance print", {acceptance, u"cmdStampa"_s}, "TfrmStampaAccettazione");
    row("acceptance preview", {acceptance, u"cmdStampa"_s, u"btnAnteprima"_s}, "PagePreview");
    row("acceptance calibration", {acceptance, u"cmdStampa"_s, u"btnFoglioProva"_s},
        "CalibrationScreen");
    row("acceptance envelope", {acceptance, u"cmdBusta"_s}, "EnvelopeScreen");
    row("acceptance attachments", {acceptance, u"cmdFile"_s}, "TfrmAllegaCartella");
    row("acceptance export", {acceptance, u"cmdEsporta"_s}, "TfrmExpAccettazione");
    row("acceptance search", {acceptance, u"cmdTrova"_s}, "TfrmTrovaAccettazione");
    row("acceptance unsent", {acceptance, u"cmdDaInviare"_s}, "TfrmInviate");
    row("acceptance batch print", {acceptance, u"cmdDaInviare"_s, u"btnStampaModuli"_s},
        "BatchPrintScreen");
    row("acceptance recipient import", {acceptance, u"impDestinatario"_s}, "TfrmImportaAnagrafica");
    row("acceptance sender import", {acceptance, u"impMittente"_s}, "TfrmImportaAnagrafica");
    row("acceptance guide", {acceptance, u"cmdGuida"_s}, "TfrmGuida");

    const QString receipt = u"TfrmRicevimento"_s;
    row("receipt recipient side", {receipt, u"cmdStampaDes"_s}, "TfrmStampaRicevimentoDes");
    row("receipt sender side", {receipt, u"cmdStampaMit"_s}, "TfrmStampaRicevimentoMit");
    row("receipt calibration", {receipt, u"cmdStampaMit"_s, u"btnFoglioProva"_s},
        "CalibrationScreen");
    row("receipt export", {receipt, u"cmdEsporta"_s}, "TfrmExpRicevimento");
    row("receipt search", {receipt, u"cmdTrova"_s}, "TfrmTrovaRicevimento");
    row("receipt undelivered", {receipt, u"cmdDaInviare"_s}, "TfrmConsegnate");
    row("receipt batch print", {receipt, u"cmdDaInviare"_s, u"btnStampaModuli"_s},
        "BatchPrintScreen");
    row("receipt recipient import", {receipt, u"impDestinatario"_s}, "TfrmImportaAnagrafica");
    row("receipt guide", {receipt, u"cmdGuida"_s}, "TfrmGuida");

    const QString addressBook = u"TfrmAnagrafica"_s;
    row("card print", {addressBook, u"cmdStampa"_s}, "TfrmStampaAnagrafica");
    row("card preview", {addressBook, u"cmdStampa"_s, u"btnAnteprima"_s}, "PagePreview");
    row("address envelope", {addressBook, u"cmdBusta"_s}, "EnvelopeScreen");
    row("envelope sender card", {addressBook, u"cmdBusta"_s, u"btnScegliMittente"_s},
        "SenderCardChooser");
    row("card attachments", {addressBook, u"cmdFile"_s}, "TfrmAllegaCartella");
    row("contact import", {addressBook, u"cmdImportaContatti"_s}, "TfrmImportaContatti");
    row("address export", {addressBook, u"cmdEsporta"_s}, "TfrmExpAnagrafica");
    row("address search", {addressBook, u"cmdTrova"_s}, "TfrmTrovaAnagrafica");
    row("pending matters", {addressBook, u"cmdQuestioni"_s}, "TfrmQuestioni");
    row("tax code check", {addressBook, u"btnCodFisc"_s}, "TfrmCodFisc");
    row("VAT number check", {addressBook, u"btnPartitaIva"_s}, "TfrmPartitaIva");
    row("IBAN check", {addressBook, u"btnIban"_s}, "TfrmIban");
    row("card number check", {addressBook, u"btnCarta"_s}, "TfrmCarta");
    row("address guide", {addressBook, u"cmdGuida"_s}, "TfrmGuida");
  }
  void everyScreenOpensFromItsButton() {
    QFETCH(QStringList, path);
    QFETCH(QString, screen);
    TestFolder folder;
    RecordingMessages messages;
    ProgramScreens program;
    QWidget* start = topLevel(path.takeFirst());
    start->show();
    QCOMPARE(openThrough(start, path), screen);
    for (const RecordingMessages::Entry& said : messages.entries)
      QVERIFY2(said.form != RecordingMessages::Form::Unexpected, qPrintable(said.text));
  }

  void aMisspeltNameStopsItsScreen() {
    TestFolder folder;
    QWidget screen;
    QWidget emptyScreen;
    // An editor's screen with its position label and first box only.
    QWidget editorScreen;
    (new QLabel(&editorScreen))->setObjectName(u"lblPosizione"_s);
    (new QLineEdit(&editorScreen))->setObjectName(u"txtNome"_s);
    EnterFocusChain keys;
    TSchedaAnagrafica card;
    const BoxRow misspeltBox[] = {
        {"txtCognme", "COGNOME:", 0, 20, 100, 1, Typing::Plain, "Cognome"}};
    const struct {
      const char* table;
      const char* name;
      std::function<void()> build;
    } cases[] = {
        {"a box bound to no field", "Cognme",
         [&] { FieldTable::build(&screen, addressBookLayout(), misspeltBox, {}, &keys); }},
        {"a button the workspace lacks", "cmdDeu", [] { MisspeltButtonWorkspace workspace; }},
        {"a form box reading a control the screen lacks", "txtCognme",
         [&] { ScreenTexts::take(emptyScreen, FormLayout::controls("{txtCognme}")); }},
        {"an editor's mandatory box the screen lacks", "txtMittnte",
         [&] {
           EditorWorkflow(
               &editorScreen,
               {addressBookArchive(), u"txtNome"_s, {{u"txtMittnte"_s, u"Manca il mittente."_s}}});
         }},
        {"an editor's first box the screen lacks", "txtNoem",
         [&] {
           EditorWorkflow(&editorScreen, {addressBookArchive(), u"txtNoem"_s, {}});
         }},
        {"a form box reading a field the record lacks", "Cognme",
         [&] { CardTexts::take(card, FormLayout::controls("{txtCognme}")); }},
        // A print screen checks the texts it is given as it opens, not
        // half-way through a print.
        {"an acceptance receipt without a box it prints", "chkVaglia",
         [] {
           TfrmStampaAccettazione screen(allBut(TfrmStampaAccettazione::reads(), u"chkVaglia"_s));
         }},
        {"a return receipt's recipient side without a box it prints", "txtNumDes",
         [] {
           TfrmStampaRicevimentoDes screen(
               allBut(TfrmStampaRicevimentoDes::reads(), u"txtNumDes"_s));
         }},
        {"a return receipt's sender side without a box it prints", "txtProvMit02",
         [] {
           TfrmStampaRicevimentoMit screen(
               allBut(TfrmStampaRicevimentoMit::reads(), u"txtProvMit02"_s));
         }},
        {"a card sheet without a row it prints", "txtProv02",
         [] {
           TfrmStampaAnagrafica screen(allBut(TfrmStampaAnagrafica::reads(), u"txtProv02"_s));
         }},
        {"an envelope without an address part it prints", "txtNumMit",
         [] {
           EnvelopeScreen screen(
               EnvelopeFrom::AcceptanceReceipt,
               allBut(EnvelopeScreen::reads(EnvelopeFrom::AcceptanceReceipt), u"txtNumMit"_s));
         }},
    };
    for (const auto& c : cases) {
      try {
        c.build();
        QFAIL(c.table);
      } catch (const UnknownName& unknown) {
        QVERIFY2(QString::fromUtf8(unknown.what()).contains(QLatin1String(c.name)), c.table);
      }
    }
  }
};

QTEST_MAIN(EveryScreenTest)
#include "tst_everyscreen.moc"
