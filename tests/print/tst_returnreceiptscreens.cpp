#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "print/returnreceiptlayouts.h"
#include "print/tfrmstamparicevimentodes.h"
#include "print/tfrmstamparicevimentomit.h"
#include "sourcescreen.h"
#include "support/pdfprintservice.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {
QRadioButton* option(QWidget& screen, const char* name) {
  return screen.findChild<QRadioButton*>(QString::fromLatin1(name));
}

void click(QWidget& screen, const char* name, int times = 1) {
  for (int i = 0; i < times; ++i)
    QTest::mouseClick(screen.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

// Both sides read the same return-receipt screen.
const auto returnReceiptScreen = returnReceiptSourceScreen;

Page printed(FormPrintScreen& screen, PdfPrintService& printer) {
  screen.show();
  click(screen, "btnStampa");
  if (printer.jobs.empty()) qFatal("nothing printed");
  return printer.jobs.back().front();
}
}  // namespace

class ReturnReceiptScreensTest : public QObject {
  Q_OBJECT
 private slots:
  void storedOrientationIsReadLetterForLetter_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("upright");
    QTest::newRow("missing") << QByteArray() << true;
    QTest::newRow("Orizzontale") << QByteArray("Orizzontale") << false;
    QTest::newRow("Verticale") << QByteArray("Verticale") << true;
    QTest::newRow("blanks around") << QByteArray("  Orizzontale ") << false;
    QTest::newRow("small letters ignored") << QByteArray("orizzontale") << true;
  }
  void storedOrientationIsReadLetterForLetter() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, upright);
    TestFolder folder;
    if (!stored.isEmpty())
      folder.write(u"Impostazioni.ini"_s,
                   "[Stampa Avviso Ricevimento Destinatario]\r\nOrientamento=" + stored + "\r\n");
    auto source = returnReceiptScreen();
    TfrmStampaRicevimentoDes screen(textsFor<TfrmStampaRicevimentoDes>(*source));
    QCOMPARE(option(screen, "optVerticale")->isChecked(), upright);
    QCOMPARE(option(screen, "optOrizzontale")->isChecked(), !upright);
  }

  void applyStoresOffsetAndOrientationForItsSideOnly() {
    TestFolder folder;
    folder.write(u"Impostazioni.ini"_s,
                 "[Margini Avviso Ricevimento Destinatario]\r\nSinistro=4\r\n");
    auto source = returnReceiptScreen();
    TfrmStampaRicevimentoMit screen(textsFor<TfrmStampaRicevimentoMit>(*source));
    screen.show();
    QCOMPARE(screen.windowTitle(), u" Stampa Avviso di Ricevimento (Mittente)"_s);
    click(screen, "btnTopMinus");
    option(screen, "optOrizzontale")->setChecked(true);
    click(screen, "btnApplicaTop");
    QCOMPARE(folder.read(u"Impostazioni.ini"_s),
             QByteArray("[Margini Avviso Ricevimento Destinatario]\r\nSinistro=4\r\n\r\n"
                        "[Margini Avviso Ricevimento Mittente]\r\nSuperiore=-1\r\n\r\n"
                        "[Stampa Avviso Ricevimento Mittente]\r\nOrientamento=Orizzontale\r\n"));

    TfrmStampaRicevimentoDes other(textsFor<TfrmStampaRicevimentoDes>(*source));
    QCOMPARE(other.findChild<QLineEdit*>(u"txtTop"_s)->text(), u"0"_s);
    QCOMPARE(other.findChild<QLineEdit*>(u"txtLeft"_s)->text(), u"4"_s);
    QVERIFY(option(other, "optVerticale")->isChecked());
  }

  void sidewaysPrintKeepsBoxesWhereTheyAre() {
    TestFolder folder;
    PdfPrintService printer;
    auto source = returnReceiptScreen();
    TfrmStampaRicevimentoDes screen(textsFor<TfrmStampaRicevimentoDes>(*source));
    option(screen, "optOrizzontale")->setChecked(true);
    const Page page = printed(screen, printer);
    QCOMPARE(page.orientation(), Orientation::Sideways);
    QCOMPARE(page.paperWidth().toMm(), 297.0);
    const BoxGeometry name = page.paperBox(page.textBox(u"txtDestinatario"_s).box);
    QCOMPARE(name.left.toMm(), 44.0);
    QCOMPARE(name.top.toMm(), 43.8);
  }

  void recipientSideJoinsStreetNumberTownAndProvince() {
    TestFolder folder;
    PdfPrintService printer;
    auto source = returnReceiptScreen();
    setText(*source, "txtIndirizzoDes", u"VIA ROMA "_s);
    setText(*source, "txtNumDes", u"12/B"_s);
    setText(*source, "txtLocalitaDes", u"MILANO"_s);
    setText(*source, "txtProvDes01", u"M"_s);
    setText(*source, "txtProvDes02", u"I"_s);
    setText(*source, "txtN13", u"7"_s);
    tick(*source, "chkRaccomandata");
    tick(*source, "chkAssicurata");
    TfrmStampaRicevimentoDes screen(textsFor<TfrmStampaRicevimentoDes>(*source));
    const Page page = printed(screen, printer);
    QCOMPARE(page.text(u"txtIndirizzoDes"_s), u"VIA ROMA 12/B"_s);
    QCOMPARE(page.text(u"txtLocalitaDes"_s), u"MILANO MI"_s);
    QCOMPARE(page.text(u"txtN13"_s), u"7"_s);
    QCOMPARE(page.text(u"txtRaccomandata"_s), u"X"_s);
    QCOMPARE(page.text(u"txtAssicurata"_s), u"X"_s);
    QCOMPARE(page.text(u"txtPacco"_s), QString());
    QCOMPARE(page.items().size(), size_t(27));
  }

  void streetWithoutNumberKeepsTheBlank() {
    TestFolder folder;
    PdfPrintService printer;
    auto source = returnReceiptScreen();
    setText(*source, "txtIndirizzoDes", u"VIA ROMA"_s);
    TfrmStampaRicevimentoDes screen(textsFor<TfrmStampaRicevimentoDes>(*source));
    QCOMPARE(printed(screen, printer).text(u"txtIndirizzoDes"_s), u"VIA ROMA "_s);
  }

  void senderSidePutsTheProvinceInItsOwnBox() {
    TestFolder folder;
    PdfPrintService printer;
    auto source = returnReceiptScreen();
    setText(*source, "txtLocalitaMit", u"MILANO"_s);
    setText(*source, "txtProvMit01", u"M"_s);
    setText(*source, "txtProvMit02", u" I"_s);
    TfrmStampaRicevimentoMit screen(textsFor<TfrmStampaRicevimentoMit>(*source));
    const Page page = printed(screen, printer);
    QCOMPARE(page.text(u"txtLocalitaMit"_s), u"MILANO"_s);
    QCOMPARE(page.text(u"txtProvMit"_s), u"MI"_s);
    QCOMPARE(page.items().size(), size_t(9));
    QCOMPARE(page.textBox(u"txtMittente"_s).font.points, 10.0);
  }
};

QTEST_MAIN(ReturnReceiptScreensTest)
#include "tst_returnreceiptscreens.moc"
