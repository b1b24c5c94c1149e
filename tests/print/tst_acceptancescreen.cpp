#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "print/acceptancelayout.h"
#include "print/tfrmstampaaccettazione.h"
#include "sourcescreen.h"
#include "support/pdfprintservice.h"
#include "support/recordingmessages.h"
#include "support/smalldisk.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {
using Form = RecordingMessages::Form;

const QString kPrintFailure =
    u"Attenzione: la stampa della scheda non è andata a buon fine.\n\r\n\r"
    "Si consiglia di controllare le impostazioni della stampante."_s;

template <typename T>
T* child(QWidget& screen, const char* name) {
  T* found = screen.findChild<T*>(QString::fromLatin1(name));
  if (!found) qFatal("missing control %s", name);
  return found;
}

void click(QWidget& screen, const char* name, int times = 1) {
  for (int i = 0; i < times; ++i)
    QTest::mouseClick(child<QPushButton>(screen, name), Qt::LeftButton);
}

QString top(QWidget& screen) { return child<QLineEdit>(screen, "txtTop")->text(); }
QString left(QWidget& screen) { return child<QLineEdit>(screen, "txtLeft")->text(); }
}  // namespace

class AcceptanceScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void withoutSettingsTheOffsetsAreZero() {
    TestFolder folder;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    QCOMPARE(screen.windowTitle(), u" Stampa Ricevuta Accettazione"_s);
    QCOMPARE(top(screen), u"0"_s);
    QCOMPARE(left(screen), u"0"_s);
    QVERIFY(child<QLineEdit>(screen, "txtTop")->isReadOnly());
    QVERIFY(!screen.findChild<QWidget*>(u"optVerticale"_s));
    QVERIFY(!folder.exists(u"Impostazioni.ini"_s));
  }

  void emptyStoredOffsetsShowZero() {
    TestFolder folder;
    folder.write(u"Impostazioni.ini"_s,
                 "[Margini Ricevuta Accettazione]\r\nSuperiore=  \r\nSinistro=4\r\n");
    auto source = sourceScreen(AcceptanceLayout::boxes());
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    QCOMPARE(top(screen), u"0"_s);
    QCOMPARE(left(screen), u"4"_s);
  }

  void minusThreeTimesThenApplyIsKept() {
    TestFolder folder;
    RecordingMessages messages;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    {
      TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
      screen.show();
      click(screen, "btnTopMinus", 3);
      QCOMPARE(top(screen), u"-3"_s);
      click(screen, "btnApplicaTop");
      QVERIFY(screen.isVisible());
    }
    QCOMPARE(folder.read(u"Impostazioni.ini"_s),
             QByteArray("[Margini Ricevuta Accettazione]\r\nSuperiore=-3\r\n"));
    TfrmStampaAccettazione again(textsFor<TfrmStampaAccettazione>(*source));
    QCOMPARE(top(again), u"-3"_s);
    QCOMPARE(left(again), u"0"_s);
    QCOMPARE(messages.count(), 0);
  }

  void applyingOneOffsetLeavesTheOther() {
    TestFolder folder;
    folder.write(u"Impostazioni.ini"_s,
                 "[Margini Ricevuta Accettazione]\r\nSuperiore=1\r\nSinistro=7\r\n");
    auto source = sourceScreen(AcceptanceLayout::boxes());
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    click(screen, "btnTopPlus");
    click(screen, "btnLeftPlus", 2);  // shown, not stored
    click(screen, "btnApplicaTop");
    QCOMPARE(folder.read(u"Impostazioni.ini"_s),
             QByteArray("[Margini Ricevuta Accettazione]\r\nSuperiore=2\r\nSinistro=7\r\n"));
    click(screen, "btnApplicaLeft");
    QCOMPARE(folder.read(u"Impostazioni.ini"_s),
             QByteArray("[Margini Ricevuta Accettazione]\r\nSuperiore=2\r\nSinistro=9\r\n"));
  }

  void fractionRefusesToStepAndStays_data() {
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("plus") << QByteArray("btnTopPlus");
    QTest::newRow("minus") << QByteArray("btnTopMinus");
  }
  void fractionRefusesToStepAndStays() {
    QFETCH(QByteArray, button);
    TestFolder folder;
    folder.write(u"Impostazioni.ini"_s, "[Margini Ricevuta Accettazione]\r\nSuperiore=2,5\r\n");
    RecordingMessages messages;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    click(screen, button.constData());
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Error);
    QCOMPARE(messages.last().text, u"'2,5' non è un valore intero valido."_s);
    QCOMPARE(top(screen), u"2,5"_s);
    // Printing still takes the fraction.
    QCOMPARE(screen.preparedPage().topMargin().toMm(), 2.5);
  }

  // A full disk is named as such: no right is missing there.
  void unwritableSettingsShowAnErrorAndStayOpen_data() {
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("message");
    QTest::newRow("read-only file")
        << false
        << u"Attenzione: non è possibile salvare il file Impostazioni.ini. Accertarsi di "
           "possedere i privilegi di scrittura nella cartella di installazione del "
           "programma."_s;
    QTest::newRow("full disk")
        << true
        << u"Attenzione: non è possibile salvare, perché il disco che contiene la cartella "
           "del programma è pieno.\n\r\n\rLiberare spazio sul disco e riprovare."_s;
  }
  void unwritableSettingsShowAnErrorAndStayOpen() {
    QFETCH(bool, fullDisk);
    QFETCH(QString, message);
    SmallDisk disk;
    if (fullDisk && !disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    TestFolder folder(fullDisk ? disk.path() : QString());
    folder.write(u"Impostazioni.ini"_s, "[Margini Ricevuta Accettazione]\r\nSuperiore=1\r\n");
    if (fullDisk)
      disk.fill();
    else
      folder.makeReadOnly(u"Impostazioni.ini"_s);
    RecordingMessages messages;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    click(screen, "btnTopPlus");
    click(screen, "btnApplicaTop");
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Error);
    QCOMPARE(messages.last().text, message);
    QVERIFY(screen.isVisible());
    QCOMPARE(top(screen), u"2"_s);
    QCOMPARE(folder.read(u"Impostazioni.ini"_s),
             QByteArray("[Margini Ricevuta Accettazione]\r\nSuperiore=1\r\n"));
  }

  void printingHandsOnePageWithTheShownOffsets() {
    TestFolder folder;
    RecordingMessages messages;
    PdfPrintService printer;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    setText(*source, "txtDestinatario", u"  Rossi Mario"_s);
    tick(*source, "chkAvviso");
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    click(screen, "btnTopPlus", 5);
    click(screen, "btnLeftMinus", 2);
    click(screen, "btnStampa");

    QCOMPARE(printer.jobs.size(), size_t(1));
    QCOMPARE(printer.jobs[0].size(), size_t(1));
    const Page& page = printer.jobs[0][0];
    QCOMPARE(page.orientation(), Orientation::Upright);
    QCOMPARE(page.topMargin().toMm(), 5.0);
    QCOMPARE(page.leftMargin().toMm(), -2.0);
    QCOMPARE(page.text(u"txtDestinatario"_s), u"Rossi Mario"_s);
    QCOMPARE(page.text(u"txtAvviso"_s), u"X"_s);
    QCOMPARE(page.text(u"txtContrassegno"_s), QString());
    QCOMPARE(messages.count(), 0);
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Accepted));
    // Nothing is stored by printing.
    QVERIFY(!folder.exists(u"Impostazioni.ini"_s));
  }

  // The screen prints the card as it was when the screen opened: its texts
  // were taken then, and the workspace is no longer read.
  void printTakesTheCardAsItWasWhenTheScreenOpened() {
    TestFolder folder;
    PdfPrintService printer;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    tick(*source, "chkContrassegno");
    TfrmStampaAccettazione first(textsFor<TfrmStampaAccettazione>(*source));
    tick(*source, "chkContrassegno", false);
    setText(*source, "txtMittente", u"Bianchi"_s);
    source.reset();
    first.show();
    click(first, "btnStampa");
    QCOMPARE(printer.jobs[0][0].text(u"txtContrassegno"_s), u"X"_s);
    QCOMPARE(printer.jobs[0][0].text(u"txtMittente"_s), QString());
  }

  void cancelledDialogClosesSilently() {
    TestFolder folder;
    RecordingMessages messages;
    PdfPrintService printer;
    printer.answer = PdfPrintService::Answer::Cancel;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    click(screen, "btnStampa");
    QCOMPARE(printer.jobs.size(), size_t(1));
    QCOMPARE(messages.count(), 0);
    QVERIFY(!screen.isVisible());
    QVERIFY(!child<QLabel>(screen, "lblAttendere")->isVisibleTo(&screen));
  }

  void failureWarnsThenCloses_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("printerFails");
    QTest::addColumn<bool>("fileOnAFullDisk");
    QTest::addColumn<int>("requests");
    QTest::newRow("printer error") << QByteArray() << true << false << 1;
    QTest::newRow("print to a file on a full disk") << QByteArray() << false << true << 1;
    QTest::newRow("offset not a number")
        << QByteArray("[Margini Ricevuta Accettazione]\r\nSinistro=dieci\r\n") << false << false
        << 0;
    QTest::newRow("offset beyond the paper")
        << QByteArray("[Margini Ricevuta Accettazione]\r\nSuperiore=9223372036854775807\r\n")
        << false << false << 0;
  }
  void failureWarnsThenCloses() {
    QFETCH(QByteArray, settings);
    QFETCH(bool, printerFails);
    QFETCH(bool, fileOnAFullDisk);
    QFETCH(int, requests);
    SmallDisk disk;
    if (fileOnAFullDisk && !disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    TestFolder folder(fileOnAFullDisk ? disk.path() : QString());
    if (!settings.isEmpty()) folder.write(u"Impostazioni.ini"_s, settings);
    if (fileOnAFullDisk) disk.fill();
    RecordingMessages messages;
    PdfPrintService printer(fileOnAFullDisk ? folder.filePath(u"ricevuta.pdf"_s) : QString());
    if (printerFails) printer.answer = PdfPrintService::Answer::Fail;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    bool openDuringMessage = false;
    messages.onMessage = [&](const RecordingMessages::Entry&) {
      openDuringMessage = screen.isVisible();
    };
    click(screen, "btnStampa");
    QCOMPARE(int(printer.jobs.size()), requests);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Warning);
    QCOMPARE(messages.last().text, kPrintFailure);
    QVERIFY(openDuringMessage);
    QVERIFY(!screen.isVisible());
  }

  void waitNoticeShowsOnMouseDown() {
    TestFolder folder;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    auto* notice = child<QLabel>(screen, "lblAttendere");
    QCOMPARE(notice->text(), u"Elaborazione in corso. Attendere..."_s);
    QVERIFY(!notice->isVisibleTo(&screen));
    QTest::mousePress(child<QPushButton>(screen, "btnStampa"), Qt::LeftButton);
    QVERIFY(notice->isVisibleTo(&screen));
    QVERIFY(notice->font().italic());
  }

  void cancelButtonClosesWithoutPrinting() {
    TestFolder folder;
    PdfPrintService printer;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    click(screen, "btnTopPlus");
    click(screen, "btnAnnulla");
    QVERIFY(!screen.isVisible());
    QVERIFY(printer.jobs.empty());
    QVERIFY(!folder.exists(u"Impostazioni.ini"_s));
  }
};

QTEST_MAIN(AcceptanceScreenTest)
#include "tst_acceptancescreen.moc"
