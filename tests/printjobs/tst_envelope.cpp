#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "archive/layouts.h"
#include "archive/tscheda.h"
#include "editors/tfrmaccettazione.h"
#include "editors/tfrmanagrafica.h"
#include "editors/workspacefixture.h"
#include "print/sourcescreen.h"
#include "printjobs/envelopeaddresses.h"
#include "printjobs/envelopelayout.h"
#include "printjobs/envelopescreen.h"
#include "printjobs/sendercardchooser.h"
#include "support/pdfprintservice.h"
#include "support/pdfreadback.h"
#include "support/poppler.h"
#include "support/press.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"
#include "support/whenshown.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {
using Form = RecordingMessages::Form;

const QStringList kAcceptanceBlocks{
    u"{txtDestinatario}{txtIndirizzoDes}{txtNumDes}{txtLocalitaDes}"_s,
    u"{txtCapDes01}{txtCapDes02}{txtCapDes03}{txtCapDes04}{txtCapDes05}"_s,
    u"{txtProvDes01}{txtProvDes02}"_s,
    u"{txtMittente}{txtIndirizzoMit}{txtNumMit}{txtLocalitaMit}"_s,
    u"{txtCapMit01}{txtCapMit02}{txtCapMit03}{txtCapMit04}{txtCapMit05}"_s,
    u"{txtProvMit01}{txtProvMit02}"_s,
};

// An acceptance screen's two blocks, filled in.
std::unique_ptr<QWidget> acceptanceScreen() {
  auto screen = sourceScreenFor(kAcceptanceBlocks);
  const std::pair<const char*, const char*> typed[] = {
      // clang-format off
      {"txtDestinatario", "Rossi Mario"}, {"txtIndirizzoDes", "Via Roma"},
      {"txtNumDes", "12/B"},              {"txtCapDes01", "0"},
      {"txtCapDes02", "0"},               {"txtCapDes03", "1"},
      {"txtCapDes04", "8"},               {"txtCapDes05", "4"},
      {"txtLocalitaDes", "Roma"},         {"txtProvDes01", "R"},
      {"txtProvDes02", "M"},              {"txtMittente", "Studio Neri"},
      {"txtIndirizzoMit", "Corso Italia"}, {"txtNumMit", "5"},
      {"txtLocalitaMit", "Milano"},       {"txtProvMit01", "M"},
      // clang-format on
      {"txtProvMit02", "I"},
  };
  for (const auto& [box, text] : typed) setText(*screen, box, QString::fromUtf8(text));
  return screen;
}

const auto word = findWord;
}  // namespace

class EnvelopeTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir out_;

 private slots:
  void windowIsOnTheRightNearTheBottom_data() {
    QTest::addColumn<QString>("size");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("windowLeft");
    QTest::addColumn<double>("windowTop");
    QTest::newRow("DL") << u"DL"_s << 220.0 << 110.0 << 110.0 << 50.0;
    QTest::newRow("C5") << u"C5"_s << 229.0 << 162.0 << 119.0 << 102.0;
    QTest::newRow("C4") << u"C4"_s << 324.0 << 229.0 << 214.0 << 169.0;
  }
  void windowIsOnTheRightNearTheBottom() {
    QFETCH(QString, size);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, windowLeft);
    QFETCH(double, windowTop);
    const EnvelopeSize& envelope = EnvelopeLayout::size(size);
    QCOMPARE(QString::fromLatin1(envelope.name), size);
    const Page page = EnvelopeLayout::page(envelope, {}, {});
    QCOMPARE(page.orientation(), Orientation::Sideways);
    QCOMPARE(page.paperWidth().toMm(), width);
    QCOMPARE(page.paperHeight().toMm(), height);
    const BoxGeometry window = EnvelopeLayout::window(envelope);
    QCOMPARE(window.left.toMm(), windowLeft);
    QCOMPARE(window.top.toMm(), windowTop);
    QCOMPARE(window.width.toMm(), 90.0);
    QCOMPARE(window.height.toMm(), 45.0);
  }

  void addressLinesLeaveOutWhatIsEmpty_data() {
    QTest::addColumn<QStringList>("typed");  // box=text
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("everything")
        << QStringList{u"txtDestinatario=Rossi"_s, u"txtIndirizzoDes=Via Po"_s,
                       u"txtNumDes=3"_s,           u"txtCapDes01=1"_s,
                       u"txtCapDes05=0"_s,         u"txtLocalitaDes=Torino"_s,
                       u"txtProvDes01=T"_s,        u"txtProvDes02=O"_s}
        << QStringList{u"Rossi"_s, u"Via Po 3"_s, u"10 Torino TO"_s};
    QTest::newRow("no number, no postcode, no province")
        << QStringList{u"txtDestinatario=Rossi"_s, u"txtIndirizzoDes=  Via Po "_s,
                       u"txtLocalitaDes=Torino"_s}
        << QStringList{u"Rossi"_s, u"Via Po"_s, u"Torino"_s};
    QTest::newRow("no street") << QStringList{u"txtDestinatario=Rossi"_s,
                                              u"txtLocalitaDes=Torino"_s}
                               << QStringList{u"Rossi"_s, u"Torino"_s};
    QTest::newRow("nothing") << QStringList() << QStringList();
  }
  void addressLinesLeaveOutWhatIsEmpty() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, lines);
    auto screen = sourceScreenFor(kAcceptanceBlocks);
    for (const QString& entry : typed)
      screen->findChild<QLineEdit*>(entry.section(u'=', 0, 0))->setText(entry.section(u'=', 1));
    QCOMPARE(EnvelopeAddresses::recipient(
                 EnvelopeFrom::AcceptanceReceipt,
                 textsFor<EnvelopeScreen>(*screen, EnvelopeFrom::AcceptanceReceipt)),
             lines);
  }

  void printedLinesSitInTheWindowAndTheCorner_data() {
    QTest::addColumn<QString>("size");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<double>("down");
    QTest::addColumn<double>("right");
    QTest::newRow("DL") << u"DL"_s << QByteArray() << 0.0 << 0.0;
    QTest::newRow("C5, 3 down 2 left")
        << u"C5"_s
        << QByteArray(
               "[Stampa Busta]\r\nFormato=C5\r\n\r\n"
               "[Margini Busta C5]\r\nSuperiore=3\r\nSinistro=-2\r\n")
        << 3.0 << -2.0;
    QTest::newRow("C4, another size's offsets do not count")
        << u"C4"_s
        << QByteArray(
               "[Stampa Busta]\r\nFormato=C4\r\n\r\n"
               "[Margini Busta DL]\r\nSuperiore=9\r\nSinistro=9\r\n")
        << 0.0 << 0.0;
  }
  void printedLinesSitInTheWindowAndTheCorner() {
    REQUIRE_POPPLER();
    QFETCH(QString, size);
    QFETCH(QByteArray, settings);
    QFETCH(double, down);
    QFETCH(double, right);
    TestFolder folder;
    if (!settings.isEmpty()) folder.write(u"Impostazioni.ini"_s, settings);
    RecordingMessages messages;
    const QString pdf = out_.filePath(u"busta.pdf"_s);
    PdfPrintService printer(pdf);
    auto source = acceptanceScreen();
    EnvelopeScreen screen(EnvelopeFrom::AcceptanceReceipt,
                          textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
    screen.show();
    QCOMPARE(QString::fromLatin1(screen.chosenSize().name), size);
    press(screen, "btnStampa");
    QCOMPARE(messages.count(), 0);
    QCOMPARE(printer.jobs.size(), size_t(1));
    QVERIFY(!screen.isVisible());

    const EnvelopeSize& envelope = EnvelopeLayout::size(size);
    const Page landscape(envelope.paper, Orientation::Sideways);
    // The PDF's page is in whole points: within 0.2 mm of the envelope.
    const PdfPage page = pdfPages(pdf).first();
    QVERIFY2(qAbs(page.width - landscape.paperWidth().toMm()) < 0.2,
             qPrintable(QString::number(page.width)));
    QVERIFY2(qAbs(page.height - landscape.paperHeight().toMm()) < 0.2,
             qPrintable(QString::number(page.height)));

    const BoxGeometry window = EnvelopeLayout::window(envelope);
    const double left = window.left.toMm() + 5 + right;
    const double top = window.top.toMm() + 5 + down;
    const std::tuple<const char*, double, double> expected[] = {
        // clang-format off
        {"Rossi", left, top},          {"Via", left, top + 5},
        {"00184", left, top + 10},     {"Studio", 10 + right, 10 + down},
        {"Corso", 10 + right, 14 + down}, {"Milano", 10 + right, 18 + down},
        // clang-format on
    };
    for (const auto& [text, x, y] : expected) {
      const PdfWord& found = word(page.words, QString::fromLatin1(text));
      QVERIFY2(qAbs(found.left - x) < 0.3, text);
      QVERIFY2(qAbs(found.top - y) < 0.3, text);
    }
    QCOMPARE(word(page.words, u"RM"_s).top, word(page.words, u"00184"_s).top);
  }

  void addressBookCardHasNoSender() {
    TestFolder folder;
    PdfPrintService printer;
    auto source = sourceScreenFor({u"{txtNome}{txtIndirizzo}{txtNum}{txtLocalita}"_s,
                                   u"{txtCap01}{txtCap02}{txtCap03}{txtCap04}{txtCap05}"_s,
                                   u"{txtProv01}{txtProv02}"_s});
    setText(*source, "txtNome", u"Verdi Luca"_s);
    setText(*source, "txtLocalita", u"Bari"_s);
    EnvelopeScreen screen(EnvelopeFrom::AddressBook,
                          textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AddressBook));
    auto* sender = screen.findChild<QCheckBox*>(u"chkMittente"_s);
    QVERIFY(!sender->isChecked());
    QVERIFY(!sender->isEnabled());
    const Page page = screen.preparedPage();
    QCOMPARE(page.text(u"txtDestinatario"_s), u"Verdi Luca\nBari"_s);
    QCOMPARE(page.text(u"txtMittente"_s), QString());
  }

  void senderCanBeLeftOut() {
    TestFolder folder;
    auto source = acceptanceScreen();
    EnvelopeScreen screen(EnvelopeFrom::AcceptanceReceipt,
                          textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
    QCOMPARE(screen.preparedPage().text(u"txtMittente"_s),
             u"Studio Neri\nCorso Italia 5\nMilano MI"_s);
    screen.findChild<QCheckBox*>(u"chkMittente"_s)->setChecked(false);
    QCOMPARE(screen.preparedPage().text(u"txtMittente"_s), QString());
  }

  void sizeIsRememberedAndEachSizeKeepsItsOffsets() {
    TestFolder folder;
    const QByteArray forms =
        "[Margini Ricevuta Accettazione]\r\nSuperiore=2\r\nSinistro=1\r\n\r\n"
        "[Margini Busta C5]\r\nSinistro=4\r\n";
    folder.write(u"Impostazioni.ini"_s, forms);
    RecordingMessages messages;
    auto source = acceptanceScreen();
    {
      EnvelopeScreen screen(EnvelopeFrom::AcceptanceReceipt,
                            textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
      screen.show();
      QVERIFY(screen.findChild<QRadioButton*>(u"optDL"_s)->isChecked());
      QCOMPARE(screen.findChild<QLineEdit*>(u"txtLeft"_s)->text(), u"0"_s);
      press(screen, "optC5");
      QCOMPARE(screen.findChild<QLineEdit*>(u"txtLeft"_s)->text(), u"4"_s);
      press(screen, "btnTopMinus", 2);
      press(screen, "btnApplicaTop");
    }
    QCOMPARE(folder.read(u"Impostazioni.ini"_s),
             QByteArray("[Margini Ricevuta Accettazione]\r\nSuperiore=2\r\nSinistro=1\r\n\r\n"
                        "[Margini Busta C5]\r\nSinistro=4\r\nSuperiore=-2\r\n\r\n"
                        "[Stampa Busta]\r\nFormato=C5\r\n"));
    EnvelopeScreen again(EnvelopeFrom::AcceptanceReceipt,
                         textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
    QVERIFY(again.findChild<QRadioButton*>(u"optC5"_s)->isChecked());
    QCOMPARE(again.findChild<QLineEdit*>(u"txtTop"_s)->text(), u"-2"_s);
    QCOMPARE(messages.count(), 0);
  }

  // A size ticked without a click (an assistive tool's toggle, the arrow
  // keys) shows and prints with that size's own offsets, and is remembered.
  void aSizeTickedWithoutAClickShowsItsOwnOffsets_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("assistive tool") << u"toggle action"_s;
    QTest::newRow("program") << u"setChecked"_s;
  }
  void aSizeTickedWithoutAClickShowsItsOwnOffsets() {
    QFETCH(QString, how);
    TestFolder folder;
    folder.write(u"Impostazioni.ini"_s,
                 "[Margini Busta DL]\r\nSuperiore=1\r\nSinistro=2\r\n\r\n"
                 "[Margini Busta C4]\r\nSuperiore=7\r\nSinistro=-3\r\n");
    RecordingMessages messages;
    auto source = acceptanceScreen();
    EnvelopeScreen screen(EnvelopeFrom::AcceptanceReceipt,
                          textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
    screen.show();
    QCOMPARE(screen.findChild<QLineEdit*>(u"txtTop"_s)->text(), u"1"_s);
    auto* c4 = screen.findChild<QRadioButton*>(u"optC4"_s);
    if (how == u"toggle action"_s) {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(c4);
      QVERIFY(accessible && accessible->actionInterface());
      QVERIFY(accessible->actionInterface()->actionNames().contains(
          QAccessibleActionInterface::toggleAction()));
      accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    } else {
      c4->setChecked(true);
    }
    QVERIFY(c4->isChecked());
    QCOMPARE(QString::fromLatin1(screen.chosenSize().name), u"C4"_s);
    QCOMPARE(screen.findChild<QLineEdit*>(u"txtTop"_s)->text(), u"7"_s);
    QCOMPARE(screen.findChild<QLineEdit*>(u"txtLeft"_s)->text(), u"-3"_s);
    const Page page = screen.preparedPage();
    QCOMPARE(page.topMargin().toMm(), 7.0);
    QCOMPARE(page.leftMargin().toMm(), -3.0);
    QVERIFY(folder.read(u"Impostazioni.ini"_s).contains("[Stampa Busta]\r\nFormato=C4\r\n"));
    QCOMPARE(messages.count(), 0);
  }

  void openingTheScreenStoresNothing() {
    TestFolder folder;
    auto source = acceptanceScreen();
    EnvelopeScreen screen(EnvelopeFrom::AcceptanceReceipt,
                          textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
    screen.show();
    QVERIFY(!folder.exists(u"Impostazioni.ini"_s));
  }

  // A long address goes on over the window's lines, broken between words,
  // smaller when it must: every word prints, within the window.
  void aLongAddressPrintsWholeInTheWindow() {
    REQUIRE_POPPLER();
    TestFolder folder;
    RecordingMessages messages;
    const QString pdf = out_.filePath(u"lunga.pdf"_s);
    PdfPrintService printer(pdf);
    auto source = sourceScreenFor(kAcceptanceBlocks);
    const QString street = u"Via dei Santissimi Apostoli e Martiri della Resistenza"_s;
    const QString number = u"1234/B int. 5"_s;
    const QString town = u"San Giovanni in Persiceto di Sotto (BO)"_s;
    setText(*source, "txtDestinatario", u"Rossi Mario"_s);
    setText(*source, "txtIndirizzoDes", street);
    setText(*source, "txtNumDes", number);
    const char* cap[] = {"txtCapDes01", "txtCapDes02", "txtCapDes03", "txtCapDes04", "txtCapDes05"};
    for (int i = 0; i < 5; ++i) setText(*source, cap[i], QString(u"00184"_s[i]));
    setText(*source, "txtLocalitaDes", town);
    EnvelopeScreen screen(EnvelopeFrom::AcceptanceReceipt,
                          textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
    screen.show();
    press(screen, "btnStampa");
    QCOMPARE(messages.count(), 0);
    QCOMPARE(printer.jobs.size(), size_t(1));

    const BoxGeometry window = EnvelopeLayout::window(EnvelopeLayout::size(u"DL"_s));
    const PdfPage page = pdfPages(pdf).first();
    QStringList printed;
    for (const PdfWord& word : page.words) {
      if (word.top < window.top.toMm()) continue;  // the sender
      printed << word.text;
      QVERIFY2(word.left >= window.left.toMm() && word.right <= window.right().toMm() &&
                   word.top >= window.top.toMm() && word.bottom <= window.bottom().toMm(),
               qPrintable(word.text));
    }
    const QString expected = u"Rossi Mario "_s + street + u' ' + number + u" 00184 "_s + town;
    QCOMPARE(printed.join(u' '), expected);
  }

  void anAddressTooLongEvenSmallerPrintsNothing() {
    TestFolder folder;
    RecordingMessages messages;
    PdfPrintService printer;
    auto source = sourceScreenFor(kAcceptanceBlocks);
    setText(*source, "txtDestinatario", u"Rossi Mario"_s);
    setText(*source, "txtIndirizzoDes", QStringList(150, u"Parola"_s).join(u' '));
    EnvelopeScreen screen(EnvelopeFrom::AcceptanceReceipt,
                          textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
    screen.show();
    press(screen, "btnStampa");
    QVERIFY(printer.jobs.empty());
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Warning);
    QCOMPARE(messages.last().text,
             u"Attenzione: l'indirizzo del destinatario non entra nella finestra della busta, "
             "neppure a caratteri più piccoli. Non è stato stampato nulla.\r\n\r\n"
             "Abbreviare l'indirizzo (per esempio \"V.\" per \"Via\") e riprovare."_s);
    QVERIFY(screen.isVisible());
  }

  // The window on the left (ISO 269 / DIN 680): 20 mm from the left edge,
  // kept for that size only.
  void theWindowSideIsChosenPerSize() {
    TestFolder folder;
    RecordingMessages messages;
    auto source = acceptanceScreen();
    {
      EnvelopeScreen screen(EnvelopeFrom::AcceptanceReceipt,
                            textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
      screen.show();
      QVERIFY(screen.findChild<QRadioButton*>(u"optFinestraDestra"_s)->isChecked());
      screen.findChild<QRadioButton*>(u"optFinestraSinistra"_s)->setChecked(true);
      const BoxGeometry box = screen.preparedPage().textBox(u"txtDestinatario"_s).box;
      QCOMPARE(box.left.toMm(), 20.0 + 5);
      QCOMPARE(box.top.toMm(), 110.0 - 15 - 45 + 5);
      screen.findChild<QRadioButton*>(u"optC5"_s)->setChecked(true);
      QVERIFY(screen.findChild<QRadioButton*>(u"optFinestraDestra"_s)->isChecked());
    }
    QVERIFY(
        folder.read(u"Impostazioni.ini"_s).contains("[Stampa Busta DL]\r\nFinestra=Sinistra\r\n"));
    folder.write(u"Impostazioni.ini"_s, "[Stampa Busta DL]\r\nFinestra=Sinistra\r\n");
    EnvelopeScreen again(EnvelopeFrom::AcceptanceReceipt,
                         textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
    QVERIFY(again.findChild<QRadioButton*>(u"optFinestraSinistra"_s)->isChecked());
    QCOMPARE(messages.count(), 0);
  }

  // From the address book the sender is a card chosen on the screen, kept
  // for the next envelope.
  void addressBookEnvelopesTakeTheChosenSenderCard() {
    TestFolder folder;
    QList<TSchedaAnagrafica> cards;
    for (const auto& [name, street, town] :
         {std::tuple{u"Verdi Luca"_s, u"Via Sparano"_s, u"Bari"_s},
          std::tuple{u"Studio Neri"_s, u"Corso Italia"_s, u"Milano"_s}}) {
      TSchedaAnagrafica card;
      card.setText(u"Nome"_s, name);
      card.setText(u"Indirizzo"_s, street);
      card.setText(u"Localita"_s, town);
      cards << card;
    }
    QByteArray bytes;
    for (const TSchedaAnagrafica& card : cards) bytes += card.bytes();
    folder.write(addressBookArchive().fileName, bytes);
    RecordingMessages messages;
    auto source = sourceScreenFor({u"{txtNome}{txtIndirizzo}{txtNum}{txtLocalita}"_s,
                                   u"{txtCap01}{txtCap02}{txtCap03}{txtCap04}{txtCap05}"_s,
                                   u"{txtProv01}{txtProv02}"_s});
    setText(*source, "txtNome", u"Verdi Luca"_s);
    {
      EnvelopeScreen screen(EnvelopeFrom::AddressBook,
                            textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AddressBook));
      screen.show();
      QVERIFY(!screen.findChild<QCheckBox*>(u"chkMittente"_s)->isEnabled());
      whenShown<SenderCardChooser>([](SenderCardChooser& chooser) {
        auto* list = chooser.findChild<QListView*>(u"lstSchede"_s);
        QCOMPARE(list->model()->rowCount(), 3);  // no sender, then the two cards
        QCOMPARE(list->model()->index(2, 0).data().toString(), u"Studio Neri - Milano"_s);
        list->setCurrentIndex(list->model()->index(2, 0));
        press(chooser, "btnScegli");
      });
      press(screen, "btnScegliMittente");
      QVERIFY(screen.findChild<QCheckBox*>(u"chkMittente"_s)->isChecked());
      QCOMPARE(screen.preparedPage().text(u"txtMittente"_s),
               u"Studio Neri\nCorso Italia\nMilano"_s);
    }
    EnvelopeScreen again(EnvelopeFrom::AddressBook,
                         textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AddressBook));
    QCOMPARE(again.findChild<QLabel*>(u"lblSchedaMittente"_s)->text(),
             u"Mittente: Studio Neri, Corso Italia, Milano"_s);
    QCOMPARE(again.preparedPage().text(u"txtMittente"_s), u"Studio Neri\nCorso Italia\nMilano"_s);
    QCOMPARE(messages.count(), 0);
  }

  void noRecipientPrintsNothing() {
    TestFolder folder;
    RecordingMessages messages;
    PdfPrintService printer;
    auto source = sourceScreenFor(kAcceptanceBlocks);
    EnvelopeScreen screen(EnvelopeFrom::AcceptanceReceipt,
                          textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
    screen.show();
    for (const char* button : {"btnStampa", "btnAnteprima"}) {
      press(screen, button);
      QCOMPARE(messages.last().form, Form::Warning);
      QCOMPARE(messages.last().text,
               u"Attenzione: per stampare la busta è necessario indicare il destinatario."_s);
    }
    QVERIFY(printer.jobs.empty());
    QVERIFY(screen.isVisible());
  }

  void printFailureKeepsTheScreenOpen() {
    TestFolder folder;
    RecordingMessages messages;
    PdfPrintService printer;
    printer.answer = PdfPrintService::Answer::Fail;
    auto source = acceptanceScreen();
    EnvelopeScreen screen(EnvelopeFrom::AcceptanceReceipt,
                          textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
    screen.show();
    press(screen, "btnStampa");
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Warning);
    QCOMPARE(messages.last().text,
             u"Attenzione: la stampa della busta non è andata a buon fine.\n\r\n\r"
             "Si consiglia di controllare le impostazioni della stampante."_s);
    QVERIFY(screen.isVisible());
  }

  // --- from the workspaces ------------------------------------------------------

  void acceptanceWorkspacePrintsItsEnvelope() {
    WorkspaceFixture<TfrmAccettazione> f;
    PdfPrintService printer;
    f.box(u"txtDestinatario"_s)->setText(u"Rossi Mario"_s);
    f.box(u"txtMittente"_s)->setText(u"Studio Neri"_s);
    whenShown<EnvelopeScreen>([](EnvelopeScreen& screen) { press(screen, "btnStampa"); });
    QTest::keyClick(&f.window, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(printer.jobs.size(), size_t(1));
    QCOMPARE(printer.jobs.front().front().text(u"txtDestinatario"_s), u"Rossi Mario"_s);
    QCOMPARE(printer.jobs.front().front().text(u"txtMittente"_s), u"Studio Neri"_s);
    auto* button = f.window.findChild<QToolButton*>(u"cmdBusta"_s);
    QCOMPARE(button->accessibleName(), u"Stampa la busta"_s);
  }

  void addressBookPrintsTheCardsEnvelope() {
    WorkspaceFixture<TfrmAnagrafica> f;
    PdfPrintService printer;
    f.box(u"txtNome"_s)->setText(u"Verdi Luca"_s);
    f.box(u"txtIndirizzo"_s)->setText(u"Via Sparano"_s);
    f.box(u"txtNum"_s)->setText(u"1"_s);
    whenShown<EnvelopeScreen>([](EnvelopeScreen& screen) { press(screen, "btnStampa"); });
    f.press(u"cmdBusta"_s);
    QCOMPARE(printer.jobs.size(), size_t(1));
    QCOMPARE(printer.jobs.front().front().text(u"txtDestinatario"_s),
             u"Verdi Luca\nVia Sparano 1"_s);
  }
};

QTEST_MAIN(EnvelopeTest)
#include "tst_envelope.moc"
