#include <QAccessible>
#include <QGraphicsView>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "print/acceptancelayout.h"
#include "print/cardlayout.h"
#include "print/returnreceiptlayouts.h"
#include "print/sourcescreen.h"
#include "print/tfrmstampaaccettazione.h"
#include "print/tfrmstampaanagrafica.h"
#include "print/tfrmstamparicevimentodes.h"
#include "printaids/pagepreview.h"
#include "support/pdfprintservice.h"
#include "support/pdfreadback.h"
#include "support/poppler.h"
#include "support/press.h"
#include "support/recordingfilechooser.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"
#include "support/whenshown.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// The preview against the print: the preview's own printer and painting,
// written to a PDF instead of the screen, must give the same words at the
// same places as "Stampa" gives on paper.
namespace {
using Form = RecordingMessages::Form;

// What the preview showed: its pages written to `pdf`, and its page count.
struct Shown {
  int pages = 0;
};

// Opens the preview from the screen, writes what it shows to `pdf` and
// leaves it with the button named.
Shown previewInto(QWidget& screen, const QString& pdf, const char* leaveWith = "btnChiudi") {
  Shown shown;
  whenShown<PagePreview>([&shown, pdf, leaveWith](PagePreview& preview) {
    shown.pages = preview.view()->pageCount();
    preview.printer().setOutputFormat(QPrinter::PdfFormat);
    preview.printer().setOutputFileName(pdf);
    preview.view()->print();
    press(preview, leaveWith);
  });
  press(screen, "btnAnteprima");
  return shown;
}

void compareWords(const QString& previewed, const QString& printed) {
  const QList<PdfPage> shown = pdfPages(previewed);
  const QList<PdfPage> paper = pdfPages(printed);
  QCOMPARE(shown.size(), paper.size());
  for (qsizetype p = 0; p < shown.size(); ++p) {
    QVERIFY(qAbs(shown[p].width - paper[p].width) < 0.1);
    QVERIFY(qAbs(shown[p].height - paper[p].height) < 0.1);
    QCOMPARE(shown[p].words.size(), paper[p].words.size());
    QVERIFY(!paper[p].words.isEmpty());
    for (qsizetype w = 0; w < paper[p].words.size(); ++w) {
      const PdfWord& a = shown[p].words[w];
      const PdfWord& b = paper[p].words[w];
      QCOMPARE(a.text, b.text);
      QVERIFY2(qAbs(a.left - b.left) < 0.05 && qAbs(a.top - b.top) < 0.05,
               qPrintable(a.text + u" moved"_s));
    }
  }
}

// A return receipt whose two sides print with different orientations: one
// word on each page.
std::pair<Page, Page> bothWays() {
  Page upright;
  TextBox word;
  word.name = u"word"_s;
  word.box = {20.0_mm, 30.0_mm, 60.0_mm, 8.0_mm};
  word.font = {u"Arial"_s, 14, false, Qt::black};
  word.text = u"Su"_s;
  upright.add(word);
  Page sideways(PaperSize::a4(), Orientation::Sideways);
  word.text = u"Giu"_s;
  sideways.add(word);
  return {upright, sideways};
}

// Both sides of the return receipt read the same screen.
const auto returnReceiptScreen = returnReceiptSourceScreen;

}  // namespace

class PagePreviewTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir out_;
  QString previewed_;
  QString printed_;

 private slots:
  void init() {
    previewed_ = out_.filePath(u"anteprima.pdf"_s);
    printed_ = out_.filePath(u"stampa.pdf"_s);
    QFile::remove(previewed_);
    QFile::remove(printed_);
  }

  void acceptancePreviewShowsWhatPrintsWithTheShownOffsets() {
    REQUIRE_POPPLER();
    TestFolder folder;
    folder.write(u"Impostazioni.ini"_s,
                 "[Margini Ricevuta Accettazione]\r\nSuperiore=4\r\nSinistro=-3\r\n");
    RecordingMessages messages;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    setText(*source, "txtDestinatario", u"Rossi Mario"_s);
    setText(*source, "txtCapDes01", u"0"_s);
    setText(*source, "txtLocalitaDes", u"Roma"_s);
    setText(*source, "txtCifre", u"12,50"_s);
    tick(*source, "chkCC");
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    press(screen, "btnTopPlus");  // shown, not stored: the preview takes it too

    QCOMPARE(previewInto(screen, previewed_).pages, 1);
    QVERIFY(screen.isVisible());  // closing the preview prints nothing

    PdfPrintService printer(printed_);
    press(screen, "btnStampa");
    QCOMPARE(printer.jobs.size(), size_t(1));
    compareWords(previewed_, printed_);
    // And the words are where the offsets put them: 5 down, 3 left.
    const PdfWord name = pdfWords(printed_).first();
    QCOMPARE(name.text, u"Rossi"_s);
    QVERIFY(qAbs(name.left - (84.0 - 3)) < 0.3);
    QVERIFY(qAbs(name.top - (52.8 + 5)) < 0.3);
    QCOMPARE(messages.count(), 0);
  }

  void sidewaysReturnReceiptPreviewIsSideways() {
    REQUIRE_POPPLER();
    TestFolder folder;
    auto source = returnReceiptScreen();
    setText(*source, "txtDestinatario", u"Bianchi Anna"_s);
    setText(*source, "txtN01", u"6"_s);
    tick(*source, "chkRaccomandata");
    TfrmStampaRicevimentoDes screen(textsFor<TfrmStampaRicevimentoDes>(*source));
    screen.show();
    screen.findChild<QRadioButton*>(u"optOrizzontale"_s)->setChecked(true);

    previewInto(screen, previewed_);
    PdfPrintService printer(printed_);
    press(screen, "btnStampa");
    compareWords(previewed_, printed_);
    const PdfPage shown = pdfPages(previewed_).first();
    QVERIFY(qAbs(shown.width - 297) < 0.1);
    QVERIFY(qAbs(shown.height - 210) < 0.1);
  }

  void cardPreviewShowsWhatPrints() {
    REQUIRE_POPPLER();
    QStringList patterns;
    for (const CardRow& row : CardLayout::rows()) patterns << QString::fromLatin1(row.content);
    auto source = sourceScreenFor(patterns);
    setText(*source, "txtNome", u"Verdi Luca"_s);
    TfrmStampaAnagrafica screen(textsFor<TfrmStampaAnagrafica>(*source));
    const QDateTime at(QDate(2026, 3, 7), QTime(9, 5, 3));
    screen.setClock([at] { return at; });
    screen.show();
    previewInto(screen, previewed_);
    PdfPrintService printer(printed_);
    press(screen, "btnStampa");
    compareWords(previewed_, printed_);
  }

  void outlinesShowInThePreviewOnly() {
    REQUIRE_POPPLER();
    TestFolder folder;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    previewInto(screen, previewed_);
    PdfPrintService printer(printed_);
    press(screen, "btnStampa");

    // The recipient's box: 84, 52.8, 115 x 4; its top edge in both pages.
    const QImage shown = pdfImage(previewed_, out_.path());
    const QImage paper = pdfImage(printed_, out_.path());
    // Any dot off white across the edge, at x 130 mm round y 52.8 mm.
    auto edgeInk = [](const QImage& image) {
      int darkest = 255;
      for (int y = 525; y <= 531; ++y) darkest = qMin(darkest, qGray(image.pixel(1300, y)));
      return darkest < 240 ? 1 : 0;
    };
    QCOMPARE(edgeInk(shown), 1);
    QCOMPARE(edgeInk(paper), 0);
    QCOMPARE(inkedDots(paper, 0, 210, 0, 297), 0);
  }

  void printFromThePreviewIsTheScreensPrint() {
    TestFolder folder;
    RecordingMessages messages;
    PdfPrintService printer;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    setText(*source, "txtMittente", u"Studio Neri"_s);
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    previewInto(screen, previewed_, "btnStampa");
    QCOMPARE(printer.jobs.size(), size_t(1));
    QCOMPARE(printer.jobs.front().front().text(u"txtMittente"_s), u"Studio Neri"_s);
    QCOMPARE(printer.documentNames, QStringList({u"Stampa Ricevuta Accettazione"_s}));
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Accepted));

    // A failure there is the screen's failure: the same warning.
    printer.answer = PdfPrintService::Answer::Fail;
    TfrmStampaAccettazione again(textsFor<TfrmStampaAccettazione>(*source));
    again.show();
    previewInto(again, previewed_, "btnStampa");
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Warning);
    QVERIFY(messages.last().text.startsWith(u"Attenzione: la stampa della scheda"_s));
  }

  void offsetThatIsNoNumberShowsNoPreview() {
    TestFolder folder;
    folder.write(u"Impostazioni.ini"_s, "[Margini Ricevuta Accettazione]\r\nSinistro=2x\r\n");
    RecordingMessages messages;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    press(screen, "btnAnteprima");  // no preview opens: nothing to wait for
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Error);
    QCOMPARE(messages.last().text, u"'2x' non è un valore in virgola mobile valido."_s);
    QVERIFY(screen.isVisible());
  }

  // The preview with its buttons fits the screen's free area, title bar
  // included, however small the screen (the test's screen is 800 x 600).
  void thePreviewFitsTheScreen() {
    PagePreview preview({Page()}, u"Prova"_s, {});
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    const QRect free = preview.screen()->availableGeometry();
    QVERIFY2(free.contains(preview.geometry().adjusted(0, -30, 0, 0)),
             qPrintable(u"%1,%2 %3x%4 on %5x%6"_s.arg(preview.x())
                            .arg(preview.y())
                            .arg(preview.width())
                            .arg(preview.height())
                            .arg(free.width())
                            .arg(free.height())));
    for (const char* name : {"btnStampa", "btnChiudi"}) {
      auto* button = preview.findChild<QPushButton*>(QString::fromLatin1(name));
      const QRect on = QRect(button->mapTo(&preview, QPoint(0, 0)), button->size());
      QVERIFY2(preview.rect().contains(on), name);
    }
  }

  // What a screen reader reaches: the pages have a name, the buttons say
  // the words they show.
  void thePagesAndButtonsHaveNames() {
    PagePreview preview({Page()}, u"Prova"_s, {});
    const QList<QGraphicsView*> views = preview.view()->findChildren<QGraphicsView*>();
    QVERIFY(!views.isEmpty());
    for (QGraphicsView* view : views)
      QCOMPARE(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Name),
               u"Pagine dell'anteprima di stampa"_s);
    QVERIFY(
        preview.findChild<QPushButton*>(u"btnChiudi"_s)->accessibleName().contains(u"Chiudi"_s));
    QVERIFY(
        preview.findChild<QPushButton*>(u"btnStampa"_s)->accessibleName().contains(u"Stampa"_s));
  }

  // A long batch previews its first pages and says so.
  void aLongPrintShowsItsFirstPagesAndSaysSo() {
    PagePreview preview({Page(), Page()}, u"Prova"_s, {}, nullptr, 100000);
    auto* note = preview.findChild<QLabel*>(u"lblPrimePagine"_s);
    QVERIFY(note);
    QCOMPARE(note->text(), u"Sono mostrate le prime 2 pagine delle 100.000 da stampare."_s);
    QVERIFY(
        !PagePreview({Page()}, u"Prova"_s, {}, nullptr, 1).findChild<QLabel*>(u"lblPrimePagine"_s));
  }

  void pagesTurnedTheOtherWayAreShownTurned() {
    REQUIRE_POPPLER();
    const auto [upright, sideways] = bothWays();

    PagePreview preview({upright, sideways}, u"Prova"_s, {});
    QVERIFY(preview.findChild<QLabel*>(u"lblRuotate"_s));
    QVERIFY(!PagePreview({upright, upright}, u"Prova"_s, {}).findChild<QLabel*>(u"lblRuotate"_s));
    preview.printer().setOutputFormat(QPrinter::PdfFormat);
    preview.printer().setOutputFileName(previewed_);
    preview.view()->print();
    const QList<PdfPage> pages = pdfPages(previewed_);
    QCOMPARE(pages.size(), 2);
    // Both in the first page's frame; the sideways page a quarter turn round,
    // so its word no longer reads from left to right at its place.
    QVERIFY(qAbs(pages[1].width - 210) < 0.1);
    QCOMPARE(pages[0].words.first().text, u"Su"_s);
    QVERIFY(qAbs(pages[0].words.first().left - 20) < 0.3);
    QVERIFY(qAbs(pages[1].words.first().left - 20) > 5);
  }

  // "Salva PDF..." writes the pages as they print, each in its own
  // orientation and without the preview's outlines, where the user says.
  void savedPdfIsWhatPrints() {
    REQUIRE_POPPLER();
    const auto [upright, sideways] = bothWays();
    const QString saved = out_.filePath(u"salvato.pdf"_s);
    RecordingFileChooser chooser;
    chooser.answers = {saved};
    RecordingMessages messages;
    PagePreview preview({upright, sideways}, u"Stampa Avviso"_s, {.boxOutlines = true});
    press(preview, "btnSalvaPdf");
    QCOMPARE(chooser.questions.size(), 1);
    QCOMPARE(chooser.questions[0].filters, QStringList{u"Documento PDF (*.pdf)"_s});
    QVERIFY(chooser.questions[0].startPath.endsWith(u"/Stampa Avviso.pdf"_s));
    QCOMPARE(messages.count(), 0);
    QVERIFY(preview.findChild<QPushButton*>(u"btnSalvaPdf"_s)
                ->accessibleName()
                .contains(u"Salva PDF"_s));

    PdfPrintService printer(printed_);
    printer.print(nullptr, std::vector<Page>{upright, sideways}, u"Stampa Avviso"_s);
    compareWords(saved, printed_);
    const QList<PdfPage> pages = pdfPages(saved);
    QVERIFY(qAbs(pages[1].width - 297) < 0.1);
    QCOMPARE(QFileInfo(saved).size(), QFileInfo(printed_).size());  // no outlines drawn
  }

  void savingPdfCanBeCancelledOrFail() {
    const QString missingFolder = out_.filePath(u"manca/salvato.pdf"_s);
    RecordingFileChooser chooser;
    chooser.answers = {QString(), missingFolder};
    RecordingMessages messages;
    PagePreview preview({Page()}, u"Prova"_s, {});
    press(preview, "btnSalvaPdf");  // cancelled
    QCOMPARE(messages.count(), 0);
    press(preview, "btnSalvaPdf");
    QCOMPARE(messages.count(), 1);
    QVERIFY2(messages.last().text.startsWith(
                 u"Attenzione: non è stato possibile scrivere il file di stampa"_s),
             qPrintable(messages.last().text));
    QVERIFY(!QFileInfo::exists(missingFolder));
    QVERIFY(preview.findChild<QPushButton*>(u"btnSalvaPdf"_s));
    // A preview of the first pages only cannot keep the whole print.
    QVERIFY(!PagePreview({Page()}, u"Prova"_s, {}, nullptr, 10)
                 .findChild<QPushButton*>(u"btnSalvaPdf"_s));
  }
};

QTEST_MAIN(PagePreviewTest)
#include "tst_pagepreview.moc"
