#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "archive/tarchivio.h"
#include "editors/editorworkflow.h"
#include "editors/tfrmaccettazione.h"
#include "editors/tfrmanagrafica.h"
#include "editors/tfrmricevimento.h"
#include "editors/workspacefixture.h"
#include "print/formsetups.h"
#include "print/sourcescreen.h"
#include "print/tfrmstampaaccettazione.h"
#include "print/tfrmstampaanagrafica.h"
#include "print/tfrmstamparicevimentodes.h"
#include "print/tfrmstamparicevimentomit.h"
#include "printjobs/batchprintscreen.h"
#include "printjobs/envelopescreen.h"
#include "printjobs/formbatch.h"
#include "records/cardtexts.h"
#include "records/listlines.h"
#include "search/editorfill.h"
#include "search/fixtures.h"
#include "search/tfrmconsegnate.h"
#include "search/tfrminviate.h"
#include "support/pdfprintservice.h"
#include "support/pdfreadback.h"
#include "support/poppler.h"
#include "support/press.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"
#include "support/whenshown.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using Fixture::record;

namespace {
using Form = RecordingMessages::Form;

// Cards as the editors write them: every flag "Sì" or "No".
TSchedaAccettazione letter(const QString& recipient, const QString& sent,
                           const Fixture::Fields& more = {}) {
  // clang-format off
  auto r = record<TSchedaAccettazione>(
      {{u"Destinatario"_s, recipient}, {u"Inviata"_s, sent}, {u"Data"_s, u"07/03/2026"_s},
       {u"Mittente"_s, u"Studio Neri"_s}, {u"Contenuto"_s, u"Diffida"_s},
       {u"Avviso"_s, u"No"_s}, {u"Contrassegno"_s, u"No"_s}, {u"CC"_s, u"No"_s},
       {u"Vaglia"_s, u"No"_s}});
  // clang-format on
  for (const auto& [name, text] : more) r.setText(name, text);
  return r;
}

TSchedaRicevimento receipt(const QString& recipient, const QString& delivered,
                           const Fixture::Fields& more = {}) {
  // clang-format off
  auto r = record<TSchedaRicevimento>(
      {{u"Destinatario"_s, recipient}, {u"Consegnata"_s, delivered},
       {u"Mittente"_s, u"Studio Neri"_s}, {u"Contenuto"_s, u"Atto"_s},
       {u"Raccomandata"_s, u"No"_s}, {u"Pacco"_s, u"No"_s}, {u"Assicurata"_s, u"No"_s}});
  // clang-format on
  for (const auto& [name, text] : more) r.setText(name, text);
  return r;
}

const QList<TSchedaAccettazione> kLetters{
    letter(u"Rossi Mario"_s, u"No"_s,
           // clang-format off
           {{u"IndirizzoDes"_s, u"Via Roma"_s}, {u"CapDes01"_s, u"0"_s},
            {u"ProvDes01"_s, u"R"_s}, {u"Avviso"_s, u"Sì"_s}, {u"Cifre"_s, u"12,50"_s}}),
    // clang-format on
    letter(u"Gialli Ugo"_s, u"Sì"_s),  // sent: not listed
    letter(u"Bianchi Anna"_s, u"No"_s, {{u"Vaglia"_s, u"Sì"_s}, {u"TelMit"_s, u"080 1234"_s}}),
    letter(u"Verdi Luca"_s, u"No"_s, {{u"LocalitaMit"_s, u"Milano"_s}}),
};

const QList<TSchedaRicevimento> kReceipts{
    receipt(u"Neri Ada"_s, u"No"_s,
            // clang-format off
            {{u"N01"_s, u"6"_s}, {u"N13"_s, u"9"_s}, {u"IndirizzoDes"_s, u"Via Po"_s},
             {u"NumDes"_s, u"3"_s}, {u"LocalitaMit"_s, u"Bari"_s},
             {u"ProvMit01"_s, u"B"_s}, {u"ProvMit02"_s, u"A"_s},
             // clang-format on
             {u"Raccomandata"_s, u"Sì"_s}}),
    receipt(u"Blu Eva"_s, u"Sì"_s),  // delivered: not listed
    receipt(u"Rosa Pia"_s, u"No"_s, {{u"Pacco"_s, u"Sì"_s}, {u"Euro"_s, u"3,10"_s}}),
};

const QByteArray kSettings =
    "[Margini Ricevuta Accettazione]\r\nSuperiore=2\r\nSinistro=-1\r\n\r\n"
    "[Margini Avviso Ricevimento Destinatario]\r\nSuperiore=1\r\nSinistro=3\r\n\r\n"
    "[Stampa Avviso Ricevimento Destinatario]\r\nOrientamento=Orizzontale\r\n\r\n"
    "[Margini Avviso Ricevimento Mittente]\r\nSuperiore=-2\r\n";

// The folder with both archives and the stored print settings.
void fill(TestFolder& folder) {
  folder.write(acceptanceArchive().fileName, Fixture::bytes(kLetters));
  folder.write(returnReceiptArchive().fileName, Fixture::bytes(kReceipts));
  folder.write(u"Impostazioni.ini"_s, kSettings);
}

template <class Record>
QStringList linesOf(const QList<Record>& records, const StatusListKind& list) {
  QStringList lines;
  for (const Record& r : records)
    if (list.condition.holdsFor(r)) lines << ListLines::lineOf(r, list.line);
  return lines;
}

QStringList allTexts(const Page& page) {
  QStringList texts;
  for (const PageItem& item : page.items())
    if (const auto* box = std::get_if<TextBox>(&item)) texts << box->name + u'=' + box->text;
  return texts;
}

void comparePages(const Page& batch, const Page& screen) {
  QCOMPARE(batch.orientation(), screen.orientation());
  QCOMPARE(batch.topMargin(), screen.topMargin());
  QCOMPARE(batch.leftMargin(), screen.leftMargin());
  QCOMPARE(allTexts(batch), allTexts(screen));
}

// Selects the rows of the list as the user does, the first with a click and
// the others with Ctrl held.
void selectRows(QWidget& list, const QList<int>& rows) {
  auto* view = list.findChild<QListView*>(u"lstRecords"_s);
  bool first = true;
  for (int row : rows) {
    const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton,
                      first ? Qt::NoModifier : Qt::ControlModifier, at);
    first = false;
  }
}

const auto word = findWord;

// A card filled in full as a user leaves it: every box with blanks at the
// ends and an accent (a digit in a box too short for that), every other
// check box ticked.
void fillEveryControl(QWidget& window) {
  int i = 0;
  for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
    if (!box->objectName().startsWith(u"txt"_s)) continue;
    const QString typed = u"  Però %1 "_s.arg(++i);
    box->setText(box->maxLength() < typed.size() ? QString::number(i % 10) : typed);
  }
  for (QCheckBox* check : window.findChildren<QCheckBox*>()) check->setChecked(++i % 2 == 0);
}

TScheda firstStored(const ArchiveDefinition& definition) {
  TArchivio archive(definition);
  archive.Open();
  TScheda card(definition.layout);
  archive.ReadAt(1, card);
  archive.Close();
  return card;
}

// The controls whose texts differ, with both texts.
QStringList differences(const FormTexts& one, const FormTexts& other,
                        const FormControls& controls) {
  QStringList differ;
  for (const QString& name : controls.texts)
    if (one.text(name) != other.text(name))
      differ << name + u": '"_s + one.text(name) + u"' / '"_s + other.text(name) + u'\'';
  for (const QString& name : controls.ticks)
    if (one.ticked(name) != other.ticked(name)) differ << name;
  return differ;
}

// A card typed on its workspace and saved: the texts its print screen takes
// from the workspace are those taken from the card read back from the
// archive, as a batch takes them, and the screen prints the same page from
// either.
template <typename Window, typename Screen, typename... Args>
void takenAlikeFromScreenAndArchive(const ArchiveDefinition& archive, Args... args) {
  WorkspaceFixture<Window> f;
  const FormControls reads = Screen::reads(args...);
  fillEveryControl(f.window);
  f.window.workflow()->save();
  QCOMPARE(f.position()->text(), u"1"_s);

  const FormTexts onScreen = ScreenTexts::take(f.window, reads);
  const FormTexts stored = CardTexts::take(firstStored(archive), reads);
  QCOMPARE(differences(onScreen, stored, reads), QStringList());
  QVERIFY(onScreen == stored);

  Screen fromScreen(args..., onScreen);
  Screen fromArchive(args..., stored);
  if constexpr (requires { fromScreen.setClock({}); }) {
    fromScreen.setClock([] { return QDateTime(QDate(2026, 3, 7), QTime(9, 5, 3)); });
    fromArchive.setClock([] { return QDateTime(QDate(2026, 3, 7), QTime(9, 5, 3)); });
  }
  comparePages(fromScreen.preparedPage(), fromArchive.preparedPage());
}

enum class Opener {
  AcceptanceReceipt,
  AcceptanceEnvelope,
  RecipientSide,
  SenderSide,
  AddressBookCard,
  AddressBookEnvelope
};

}  // namespace

class BatchPrintTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir out_;

 private slots:
  // --- the pages --------------------------------------------------------------

  void acceptancePagesAreThePrintScreensPages() {
    WorkspaceFixture<TfrmAccettazione> f;
    fill(f.folder);
    const FormBatch& batch = *FormBatches::forList(unsentList());
    const std::vector<TScheda> records =
        FormBatches::records(batch, linesOf(kLetters, unsentList()), {});
    QCOMPARE(records.size(), size_t(3));
    const std::vector<Page> pages = FormBatches::pages(batch, records, SideOrder::EachInTurn);
    QCOMPARE(pages.size(), size_t(3));
    for (size_t i = 0; i < records.size(); ++i) {
      // The record as a list's double click shows it, printed from there.
      EditorFill::loadRecord(&f.window, records[i], 1);
      TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(f.window));
      comparePages(pages[i], screen.preparedPage());
    }
    QCOMPARE(pages[0].text(u"txtAvviso"_s), u"X"_s);
    QCOMPARE(pages[1].text(u"txtVaglia"_s), u"X"_s);
    QCOMPARE(pages[0].topMargin().toMm(), 2.0);
  }

  void returnReceiptPagesAreThePrintScreensPages() {
    WorkspaceFixture<TfrmRicevimento> f;
    fill(f.folder);
    const FormBatch& batch = *FormBatches::forList(undeliveredList());
    const std::vector<TScheda> records =
        FormBatches::records(batch, linesOf(kReceipts, undeliveredList()), {});
    const std::vector<Page> pages = FormBatches::pages(batch, records, SideOrder::EachInTurn);
    QCOMPARE(pages.size(), size_t(4));
    for (size_t i = 0; i < records.size(); ++i) {
      EditorFill::loadRecord(&f.window, records[i], 1);
      TfrmStampaRicevimentoDes recipient(textsFor<TfrmStampaRicevimentoDes>(f.window));
      TfrmStampaRicevimentoMit sender(textsFor<TfrmStampaRicevimentoMit>(f.window));
      comparePages(pages[2 * i], recipient.preparedPage());
      comparePages(pages[2 * i + 1], sender.preparedPage());
    }
    QCOMPARE(pages[0].orientation(), Orientation::Sideways);
    QCOMPARE(pages[1].orientation(), Orientation::Upright);
    QCOMPARE(pages[1].text(u"txtProvMit"_s), u"BA"_s);
  }

  void screenAndStoredCardGiveTheSameTexts_data() {
    QTest::addColumn<Opener>("opener");
    QTest::newRow("acceptance receipt") << Opener::AcceptanceReceipt;
    QTest::newRow("acceptance envelope") << Opener::AcceptanceEnvelope;
    QTest::newRow("return receipt, recipient side") << Opener::RecipientSide;
    QTest::newRow("return receipt, sender side") << Opener::SenderSide;
    QTest::newRow("address-book card") << Opener::AddressBookCard;
    QTest::newRow("address-book envelope") << Opener::AddressBookEnvelope;
  }
  void screenAndStoredCardGiveTheSameTexts() {
    QFETCH(Opener, opener);
    switch (opener) {
      case Opener::AcceptanceReceipt:
        return takenAlikeFromScreenAndArchive<TfrmAccettazione, TfrmStampaAccettazione>(
            acceptanceArchive());
      case Opener::AcceptanceEnvelope:
        return takenAlikeFromScreenAndArchive<TfrmAccettazione, EnvelopeScreen>(
            acceptanceArchive(), EnvelopeFrom::AcceptanceReceipt);
      case Opener::RecipientSide:
        return takenAlikeFromScreenAndArchive<TfrmRicevimento, TfrmStampaRicevimentoDes>(
            returnReceiptArchive());
      case Opener::SenderSide:
        return takenAlikeFromScreenAndArchive<TfrmRicevimento, TfrmStampaRicevimentoMit>(
            returnReceiptArchive());
      case Opener::AddressBookCard:
        return takenAlikeFromScreenAndArchive<TfrmAnagrafica, TfrmStampaAnagrafica>(
            addressBookArchive());
      case Opener::AddressBookEnvelope:
        return takenAlikeFromScreenAndArchive<TfrmAnagrafica, EnvelopeScreen>(
            addressBookArchive(), EnvelopeFrom::AddressBook);
    }
  }

  void aFlagNeitherYesNorNoIsNotTicked() {
    TestFolder folder;
    folder.write(acceptanceArchive().fileName,
                 Fixture::bytes(QList{letter(u"Rossi"_s, u"No"_s, {{u"CC"_s, u"si"_s}})}));
    const FormBatch& batch = *FormBatches::forList(unsentList());
    const QStringList lines{
        ListLines::lineOf(letter(u"Rossi"_s, u"No"_s), ListLines::LineKind::Receipt)};
    const std::vector<Page> pages =
        FormBatches::pages(batch, FormBatches::records(batch, lines, {}), SideOrder::EachInTurn);
    QCOMPARE(pages.front().text(u"txtCC"_s), QString());
  }

  void sidesFollowTheOrderChosen_data() {
    QTest::addColumn<SideOrder>("order");
    QTest::addColumn<QStringList>("pages");  // side and recipient
    QTest::newRow("each in turn") << SideOrder::EachInTurn
                                  << QStringList{u"D Neri Ada"_s, u"M Neri Ada"_s, u"D Rosa Pia"_s,
                                                 u"M Rosa Pia"_s};
    QTest::newRow("recipient sides first")
        << SideOrder::RecipientSidesFirst
        << QStringList{u"D Neri Ada"_s, u"D Rosa Pia"_s, u"M Neri Ada"_s, u"M Rosa Pia"_s};
    QTest::newRow("recipient side only")
        << SideOrder::RecipientSideOnly << QStringList{u"D Neri Ada"_s, u"D Rosa Pia"_s};
    QTest::newRow("sender side only")
        << SideOrder::SenderSideOnly << QStringList{u"M Neri Ada"_s, u"M Rosa Pia"_s};
  }
  void sidesFollowTheOrderChosen() {
    QFETCH(SideOrder, order);
    QFETCH(QStringList, pages);
    TestFolder folder;
    fill(folder);
    const FormBatch& batch = *FormBatches::forList(undeliveredList());
    const std::vector<TScheda> records =
        FormBatches::records(batch, linesOf(kReceipts, undeliveredList()), {});
    QStringList printed;
    for (const Page& page : FormBatches::pages(batch, records, order)) {
      // The sender side has no recipient box; its records differ by their
      // own recipient, so tell them by the sender side's town.
      const bool recipientSide = page.items().size() == 27;
      printed << (recipientSide
                      ? u"D "_s + page.text(u"txtDestinatario"_s)
                      : u"M "_s + (page.text(u"txtLocalitaMit"_s) == u"Bari"_s ? u"Neri Ada"_s
                                                                               : u"Rosa Pia"_s));
    }
    QCOMPARE(printed, pages);
  }

  void selectedRowsPrintInListOrder() {
    TestFolder folder;
    fill(folder);
    const FormBatch& batch = *FormBatches::forList(unsentList());
    const std::vector<TScheda> records =
        FormBatches::records(batch, linesOf(kLetters, unsentList()), {2, 0});
    QCOMPARE(records.size(), size_t(2));
    QCOMPARE(records[0].text(u"Destinatario"), u"Rossi Mario"_s);
    QCOMPARE(records[1].text(u"Destinatario"), u"Verdi Luca"_s);
  }

  void aListThatNoLongerMatchesItsArchivePrintsNothing_data() {
    QTest::addColumn<QList<TSchedaAccettazione>>("now");
    QList<TSchedaAccettazione> changed = kLetters;
    changed[2] = letter(u"Bianchi Anna Maria"_s, u"No"_s);
    QList<TSchedaAccettazione> sent = kLetters;
    sent[3] = letter(u"Verdi Luca"_s, u"Sì"_s);
    QTest::newRow("a line changed") << changed;
    QTest::newRow("one more") << (kLetters + QList{letter(u"Nuovo"_s, u"No"_s)});
    QTest::newRow("one fewer") << sent;
  }
  void aListThatNoLongerMatchesItsArchivePrintsNothing() {
    QFETCH(QList<TSchedaAccettazione>, now);
    TestFolder folder;
    fill(folder);
    RecordingMessages messages;
    PdfPrintService printer;
    BatchPrintScreen screen(*FormBatches::forList(unsentList()), linesOf(kLetters, unsentList()),
                            {});
    screen.show();
    folder.write(acceptanceArchive().fileName, Fixture::bytes(now));
    press(screen, "btnStampa");
    QVERIFY(printer.jobs.empty());
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Warning);
    QCOMPARE(messages.last().text,
             u"Attenzione: l'archivio è cambiato dopo l'apertura dell'elenco.\r\n\r\n"
             "Chiudere l'elenco e riaprirlo prima di stampare i moduli."_s);
    QVERIFY(screen.isVisible());
  }

  void failuresAreToldAndTheScreenStays_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("printerFails");
    QTest::addColumn<bool>("emptyList");
    QTest::addColumn<QString>("message");
    const QString failure =
        u"Attenzione: la stampa dei moduli non è andata a buon fine.\n\r\n\r"
        "Si consiglia di controllare le impostazioni della stampante."_s;
    QTest::newRow("offset that is no number")
        << QByteArray("[Margini Ricevuta Accettazione]\r\nSinistro=due\r\n") << false << false
        << failure;
    QTest::newRow("printer fails") << kSettings << true << false << failure;
    QTest::newRow("empty list") << kSettings << false << true
                                << u"Stampa non applicabile: la lista non contiene nessuna voce."_s;
  }
  void failuresAreToldAndTheScreenStays() {
    QFETCH(QByteArray, settings);
    QFETCH(bool, printerFails);
    QFETCH(bool, emptyList);
    QFETCH(QString, message);
    TestFolder folder;
    fill(folder);
    folder.write(u"Impostazioni.ini"_s, settings);
    if (emptyList) folder.write(acceptanceArchive().fileName, {});
    RecordingMessages messages;
    PdfPrintService printer;
    if (printerFails) printer.answer = PdfPrintService::Answer::Fail;
    BatchPrintScreen screen(*FormBatches::forList(unsentList()),
                            emptyList ? QStringList() : linesOf(kLetters, unsentList()), {});
    screen.show();
    press(screen, "btnStampa");
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, message);
    QVERIFY(screen.isVisible());
  }

  // Pages made one at a time as they print are the pages made all at once,
  // past the records read in one go and in every order of the sides.
  void pagesMadeAsTheyPrintAreTheSamePages_data() {
    QTest::addColumn<SideOrder>("order");
    QTest::newRow("each in turn") << SideOrder::EachInTurn;
    QTest::newRow("recipient sides first") << SideOrder::RecipientSidesFirst;
    QTest::newRow("sender side only") << SideOrder::SenderSideOnly;
  }
  void pagesMadeAsTheyPrintAreTheSamePages() {
    QFETCH(SideOrder, order);
    TestFolder folder;
    QList<TSchedaRicevimento> many;
    for (int i = 0; i < 600; ++i)
      many << receipt(u"Destinatario %1"_s.arg(i), i % 3 == 0 ? u"Sì"_s : u"No"_s,
                      {{u"LocalitaMit"_s, u"Paese %1"_s.arg(i)}});
    folder.write(returnReceiptArchive().fileName, Fixture::bytes(many));
    folder.write(u"Impostazioni.ini"_s, kSettings);
    const FormBatch& batch = *FormBatches::forList(undeliveredList());
    const QStringList lines = linesOf(many, undeliveredList());
    QCOMPARE(lines.size(), 400);
    const QList<int> rows{0, 1, 255, 256, 257, 399};
    for (const QList<int>& chosen : {QList<int>(), rows}) {
      const std::vector<Page> all =
          FormBatches::pages(batch, FormBatches::records(batch, lines, chosen), order);
      FormPages asTheyPrint(batch, FormBatches::positions(batch, lines, chosen), order);
      QCOMPARE(asTheyPrint.count(), int(all.size()));
      for (int i = 0; i < asTheyPrint.count(); ++i)
        comparePages(asTheyPrint.page(i), all[size_t(i)]);
    }
  }

  void aLongBatchAsksFirst_data() {
    QTest::addColumn<int>("letters");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("printed");
    QTest::newRow("300: no question") << 300 << false << 0 << 300;
    QTest::newRow("301, yes") << 301 << true << 1 << 301;
    QTest::newRow("301, no") << 301 << false << 1 << 0;
  }
  void aLongBatchAsksFirst() {
    QFETCH(int, letters);
    QFETCH(bool, answer);
    QFETCH(int, questions);
    QFETCH(int, printed);
    TestFolder folder;
    QList<TSchedaAccettazione> unsent;
    for (int i = 0; i < letters; ++i) unsent << letter(u"Destinatario %1"_s.arg(i), u"No"_s);
    folder.write(acceptanceArchive().fileName, Fixture::bytes(unsent));
    RecordingMessages messages;
    messages.answers = {answer};
    PdfPrintService printer;
    BatchPrintScreen screen(*FormBatches::forList(unsentList()), linesOf(unsent, unsentList()), {});
    screen.show();
    press(screen, "btnStampa");
    QCOMPARE(messages.count(), questions);
    if (questions)
      QCOMPARE(messages.last().text,
               u"Attenzione: si stanno per stampare %1 moduli. La stampa può richiedere molto "
               "tempo e molta carta.\r\n\r\nProcedere con la stampa?"_s.arg(letters));
    QCOMPARE(printer.jobs.size(), size_t(printed ? 1 : 0));
    if (printed) QCOMPARE(int(printer.jobs.front().size()), printed);
  }

  void selectedLinesAreTheDefaultChoice_data() {
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<int>("forms");
    QTest::newRow("none") << QList<int>() << u"optTutte"_s << 3;
    QTest::newRow("one") << QList<int>{1} << u"optSelezionate"_s << 1;
    QTest::newRow("two") << QList<int>{0, 2} << u"optSelezionate"_s << 2;
  }
  void selectedLinesAreTheDefaultChoice() {
    QFETCH(QList<int>, selected);
    QFETCH(QString, checked);
    QFETCH(int, forms);
    TestFolder folder;
    fill(folder);
    PdfPrintService printer;
    BatchPrintScreen screen(*FormBatches::forList(unsentList()), linesOf(kLetters, unsentList()),
                            selected);
    screen.show();
    QVERIFY(screen.findChild<QRadioButton*>(checked)->isChecked());
    press(screen, "btnStampa");
    QCOMPARE(printer.jobs.size(), size_t(1));
    QCOMPARE(int(printer.jobs.front().size()), forms);
  }

  // --- from the lists, on paper --------------------------------------------

  void selectedLettersPrintFromTheList() {
    REQUIRE_POPPLER();
    TestFolder folder;
    fill(folder);
    const QByteArray archive = folder.read(acceptanceArchive().fileName);
    RecordingMessages messages;
    const QString pdf = out_.filePath(u"moduli.pdf"_s);
    PdfPrintService printer(pdf);
    Fixture::Editor editor(acceptanceLayout());
    TfrmInviate list(&editor);
    list.show();
    selectRows(list, {0, 2});
    QStringList offered;
    whenShown<BatchPrintScreen>([&offered](BatchPrintScreen& screen) {
      for (const char* name : {"optTutte", "optSelezionate"}) {
        auto* option = screen.findChild<QRadioButton*>(QString::fromLatin1(name));
        offered << option->text() + (option->isChecked() ? u" *"_s : QString());
      }
      press(screen, "btnStampa");
    });
    press(list, "btnStampaModuli");
    QCOMPARE(offered, QStringList({u"Tutte le schede in elenco (3)"_s,
                                   u"Solo le schede selezionate nell'elenco (2) *"_s}));
    QCOMPARE(printer.jobs.size(), size_t(1));
    QCOMPARE(printer.documentNames, QStringList({u"Ricevute di accettazione"_s}));

    // Each letter on its own page, at its box moved by the stored offsets.
    const QList<PdfPage> pages = pdfPages(pdf);
    QCOMPARE(pages.size(), 2);
    const std::pair<const char*, const char*> names[] = {{"Rossi", "Mario"}, {"Verdi", "Luca"}};
    for (int i = 0; i < 2; ++i) {
      const PdfWord& name = word(pages[i].words, QString::fromLatin1(names[i].first));
      QVERIFY(qAbs(name.left - (84.0 - 1)) < 0.3);
      QVERIFY(qAbs(name.top - (52.8 + 2)) < 0.3);
      QVERIFY(qAbs(pages[i].width - 210) < 0.1);
    }
    QCOMPARE(folder.read(acceptanceArchive().fileName), archive);
    QCOMPARE(messages.count(), 0);
    QVERIFY(list.isVisible());  // back to the list
  }

  void returnReceiptsPrintBothSidesFromTheList() {
    REQUIRE_POPPLER();
    TestFolder folder;
    fill(folder);
    const QString pdf = out_.filePath(u"avvisi.pdf"_s);
    PdfPrintService printer(pdf);
    Fixture::Editor editor(returnReceiptLayout());
    TfrmConsegnate list(&editor);
    list.show();
    QApplication::setActiveWindow(&list);
    QVERIFY(QTest::qWaitForWindowActive(&list));
    whenShown<BatchPrintScreen>([](BatchPrintScreen& screen) {
      QVERIFY(screen.findChild<QRadioButton*>(u"optTutte"_s)->isChecked());
      screen.findChild<QRadioButton*>(u"optLatiRaggruppati"_s)->setChecked(true);
      press(screen, "btnStampa");
    });
    QTest::keyClick(&list, Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);

    QTRY_COMPARE(printer.jobs.size(), size_t(1));
    QCOMPARE(printer.jobs.front().size(), size_t(4));
    // Recipient sides sideways, shifted 1 down and 3 right; sender sides
    // upright, 2 up.
    const QList<PdfPage> pages = pdfPages(pdf);
    QCOMPARE(pages.size(), 4);
    const std::tuple<int, const char*, double, double, double> expected[] = {
        {0, "Neri", 297, 44.0 + 3, 43.8 + 1},
        {1, "Rosa", 297, 44.0 + 3, 43.8 + 1},
        {2, "Bari", 210, 85.0, 68.2 - 2},
        {3, "Studio", 210, 53.0, 50.2 - 2},
    };
    for (const auto& [page, text, width, left, top] : expected) {
      QVERIFY(qAbs(pages[page].width - width) < 0.1);
      const PdfWord& found = word(pages[page].words, QString::fromLatin1(text));
      QVERIFY2(qAbs(found.left - left) < 0.3, text);
      QVERIFY2(qAbs(found.top - top) < 0.3, text);
    }
  }
};

QTEST_MAIN(BatchPrintTest)
#include "tst_batchprint.moc"
