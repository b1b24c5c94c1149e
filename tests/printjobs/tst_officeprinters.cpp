#include <QComboBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

#include "print/sourcescreen.h"
#include "print/tfrmstamparicevimentodes.h"
#include "printjobs/envelopescreen.h"
#include "report/dialogprintservice.h"
#include "report/pdffile.h"
#include "report/printerpaper.h"
#include "support/pdfreadback.h"
#include "support/poppler.h"
#include "support/press.h"
#include "support/privatecups.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"
#include "support/whenshown.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// Printing on printers as offices have them, through the real print path:
// the print dialog, the spooler and the stock CUPS-PDF driver of a CUPS
// server of the test's own. The default queue prints like most office
// lasers: 4.2 mm it cannot reach on every side, and only the sizes its
// driver lists, none of the caller's choosing.
namespace {
using Form = RecordingMessages::Form;

const QString kOffice = u"ufficio"_s;    // margin-limited, the default
const QString kRefusing = u"rifiuta"_s;  // refuses every job
const QString kStopped = u"ferma"_s;     // stopped: jobs wait for ever
const QString kOnlyA4 = u"solo_a4"_s;    // no envelopes

constexpr double kTolerance = 0.1;  // mm

const QString kFormFailure =
    u"Attenzione: la stampa della scheda non è andata a buon fine.\n\r\n\r"
    "Si consiglia di controllare le impostazioni della stampante."_s;
const QString kEnvelopeFailure =
    u"Attenzione: la stampa della busta non è andata a buon fine.\n\r\n\r"
    "Si consiglia di controllare le impostazioni della stampante."_s;

QList<PrivateCups::Queue> officeQueues() {
  const int margin = 12;  // points: 4.2 mm
  const QList<PrivateCups::Paper> all = PrivateCups::officePapers();
  return {{kOffice, all, margin},
          {kRefusing, all, margin, false},
          {kStopped, all, margin, true, true},
          {kOnlyA4, {all.first()}, margin}};
}

// Accepts the print dialog as soon as it shows, on the queue given, or on
// the one it starts on.
void acceptPrintDialog(const QString& queue = {}) {
  whenShown<QPrintDialog>([queue](QPrintDialog& dialog) {
    if (!queue.isEmpty()) {
      auto* printers = dialog.findChild<QComboBox*>(u"printers"_s);
      if (!printers || printers->findText(queue) < 0) {
        dialog.reject();
        return;
      }
      printers->setCurrentIndex(printers->findText(queue));
    }
    dialog.accept();
  });
}

std::unique_ptr<QWidget> returnReceipt() {
  auto source = returnReceiptSourceScreen();
  setText(*source, "txtDestinatario", u"Rossi Mario"_s);
  setText(*source, "txtIndirizzoDes", u"Via Roma"_s);
  setText(*source, "txtNumDes", u"12/B"_s);
  setText(*source, "txtLocalitaDes", u"Milano"_s);
  setText(*source, "txtN01", u"6"_s);
  setText(*source, "txtN13", u"9"_s);
  setText(*source, "txtData", u"07/03/2026"_s);
  tick(*source, "chkRaccomandata");
  return source;
}

std::unique_ptr<QWidget> acceptanceBlocks() {
  auto screen =
      sourceScreenFor({u"{txtDestinatario}{txtIndirizzoDes}{txtNumDes}{txtLocalitaDes}"_s,
                       u"{txtCapDes01}{txtCapDes02}{txtCapDes03}{txtCapDes04}{txtCapDes05}"_s,
                       u"{txtProvDes01}{txtProvDes02}"_s,
                       u"{txtMittente}{txtIndirizzoMit}{txtNumMit}{txtLocalitaMit}"_s,
                       u"{txtCapMit01}{txtCapMit02}{txtCapMit03}{txtCapMit04}{txtCapMit05}"_s,
                       u"{txtProvMit01}{txtProvMit02}"_s});
  setText(*screen, "txtDestinatario", u"Verdi Luca"_s);
  setText(*screen, "txtIndirizzoDes", u"Corso Italia"_s);
  setText(*screen, "txtNumDes", u"5"_s);
  setText(*screen, "txtLocalitaDes", u"Torino"_s);
  setText(*screen, "txtMittente", u"Studio Neri"_s);
  return screen;
}

// Pages looked at closely: at 20 dots a millimetre, a dot is 0.05 mm.
constexpr double kDotsPerMm = 20;

QImage rendered(const QString& pdf, const QString& folder, const QString& name) {
  QProcess process;
  const QString stem = folder + u'/' + name;
  process.start(u"pdftoppm"_s, {u"-r"_s, QString::number(kDotsPerMm * 25.4), u"-gray"_s, u"-png"_s,
                                u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, u"-singlefile"_s, pdf, stem});
  if (!process.waitForFinished(60000)) qFatal("pdftoppm did not finish");
  return QImage(stem + u".png"_s).convertToFormat(QImage::Format_Grayscale8);
}

// The centre of the ink in a rectangle given in millimetres, each dot
// weighed by its darkness: a fraction of a dot, whatever the fonts became
// on the way through the driver. None when the rectangle has no ink.
std::optional<QPointF> inkCentre(const QImage& image, const QRectF& mm) {
  const QRect dots = QRect(QPoint(qFloor(mm.left() * kDotsPerMm), qFloor(mm.top() * kDotsPerMm)),
                           QPoint(qCeil(mm.right() * kDotsPerMm), qCeil(mm.bottom() * kDotsPerMm)))
                         .intersected(image.rect());
  double weight = 0, x = 0, y = 0;
  for (int row = dots.top(); row <= dots.bottom(); ++row) {
    const uchar* line = image.constScanLine(row);
    for (int column = dots.left(); column <= dots.right(); ++column) {
      const double ink = 255 - line[column];
      if (ink < 32) continue;  // paper, or the faintest smoothing
      weight += ink;
      x += ink * (column + 0.5);
      y += ink * (row + 0.5);
    }
  }
  if (weight == 0) return std::nullopt;
  return QPointF(x / weight / kDotsPerMm, y / weight / kDotsPerMm);
}

// The printer's page lies where the PDF print of the same page puts it: the
// same paper, and the ink of every filled box within 0.1 mm. A driver may
// lay a sideways page on upright paper; it is then turned back for the
// comparison, whichever way it was turned.
void compareWithThePdfPrint(const QString& printedPdf, const Page& page, const QString& folder) {
  const QString referencePdf = folder + u"/riferimento.pdf"_s;
  PdfFile::write(referencePdf, {page}, u"riferimento"_s);
  const PdfPage printed = pdfPages(printedPdf).first();
  const double width = page.paperWidth().toMm(), height = page.paperHeight().toMm();
  const bool sameWay = qAbs(printed.width - width) < 0.3 && qAbs(printed.height - height) < 0.3;
  const bool turned = qAbs(printed.width - height) < 0.3 && qAbs(printed.height - width) < 0.3;
  QVERIFY2(sameWay || turned,
           qPrintable(u"page %1 x %2 mm"_s.arg(printed.width).arg(printed.height)));

  const QImage expected = rendered(referencePdf, folder, u"riferimento"_s);
  const QImage paper = rendered(printedPdf, folder, u"stampato"_s);
  QList<QImage> candidates;
  if (sameWay) candidates << paper;
  if (turned)
    for (int degrees : {90, 270}) candidates << paper.transformed(QTransform().rotate(degrees));

  // Where each filled box starts: its first letters only, as a long text's
  // width grows with the driver's rounding of the letters' advances.
  QList<std::pair<QString, QRectF>> boxes;
  for (const PageItem& item : page.items())
    if (const auto* box = std::get_if<TextBox>(&item); box && !box->text.isEmpty()) {
      const BoxGeometry at = page.paperBox(box->box);
      QRectF area(at.left.toMm(), at.top.toMm(), at.width.toMm(), at.height.toMm());
      if (box->hAlign == HAlign::Left) area.setWidth(qMin(area.width(), 2.5));
      boxes.append({box->name, area.adjusted(-1, -1, 1, 1)});
    }
  QVERIFY(!boxes.isEmpty());
  QString worst;
  for (const QImage& candidate : candidates) {
    double furthest = 0;
    QString report;
    for (const auto& [name, area] : boxes) {
      const auto want = inkCentre(expected, area);
      const auto got = inkCentre(candidate, area);
      QVERIFY2(want, qPrintable(name));
      const double off = got ? QLineF(*want, *got).length() : 1000;
      if (off > furthest) {
        furthest = off;
        report = u"%1 off by %2 mm"_s.arg(name).arg(off);
      }
    }
    if (furthest < kTolerance) {
      // The figures, for the record of what the printer did.
      qInfo("paper %.1f x %.1f mm%s; %d boxes, the furthest %s", printed.width, printed.height,
            turned && !sameWay ? " (turned)" : "", int(boxes.size()), qPrintable(report));
      return;
    }
    worst += report + u"; "_s;
  }
  QFAIL(qPrintable(worst));
}

}  // namespace

#define REQUIRE_SPOOLER()                                            \
  do {                                                               \
    if (!cups_ || !cups_->isRunning())                               \
      QSKIP(qPrintable(cups_ ? cups_->whyNotRunning() : QString())); \
  } while (false)

class OfficePrintersTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<PrivateCups> cups_;
  QTemporaryDir out_;

 private slots:
  void initTestCase() { cups_ = std::make_unique<PrivateCups>(officeQueues(), kOffice); }
  void cleanupTestCase() { cups_.reset(); }
  void init() {
    if (cups_ && cups_->isRunning()) cups_->newOutput(0);  // forget earlier prints
  }

  void sidewaysRecipientSideComesOutSideways() {
    REQUIRE_SPOOLER();
    REQUIRE_POPPLER();
    TestFolder folder;
    folder.write(u"Impostazioni.ini"_s,
                 "[Margini Avviso Ricevimento Destinatario]\r\nSuperiore=3\r\nSinistro=-2\r\n\r\n"
                 "[Stampa Avviso Ricevimento Destinatario]\r\nOrientamento=Orizzontale\r\n");
    RecordingMessages messages;
    auto source = returnReceipt();
    TfrmStampaRicevimentoDes screen(textsFor<TfrmStampaRicevimentoDes>(*source));
    screen.show();
    QVERIFY(screen.findChild<QRadioButton*>(u"optOrizzontale"_s)->isChecked());
    const Page page = screen.preparedPage();
    acceptPrintDialog();
    press(screen, "btnStampa");
    QVERIFY2(messages.count() == 0,
             qPrintable(messages.count() ? messages.last().text : QString()));
    QVERIFY(!screen.isVisible());

    const QStringList printed = cups_->newOutput();
    QCOMPARE(printed.size(), 1);
    const QList<PdfPage> pages = pdfPages(printed.first());
    QCOMPARE(pages.size(), 1);
    compareWithThePdfPrint(printed.first(), page, out_.path());
  }

  // Qt's own printing (systems without CUPS) sets the sheet up as one of
  // the printer's own sizes, in full-page mode, its margins at the least the
  // printer takes: a margin-limited printer takes it, sideways too, with the
  // painter's origin still at the paper's corner.
  void qtsOwnPrinterTakesTheSheet_data() {
    QTest::addColumn<PaperSize>("paper");
    QTest::addColumn<Orientation>("orientation");
    QTest::addColumn<QPageSize::PageSizeId>("size");
    QTest::newRow("A4 upright") << PaperSize::a4() << Orientation::Upright << QPageSize::A4;
    QTest::newRow("A4 sideways") << PaperSize::a4() << Orientation::Sideways << QPageSize::A4;
    QTest::newRow("DL sideways") << PaperSize{110.0_mm, 220.0_mm} << Orientation::Sideways
                                 << QPageSize::EnvelopeDL;
  }
  void qtsOwnPrinterTakesTheSheet() {
    REQUIRE_SPOOLER();
    QFETCH(PaperSize, paper);
    QFETCH(Orientation, orientation);
    QFETCH(QPageSize::PageSizeId, size);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kOffice);
    QCOMPARE(printer.printerName(), kOffice);
    const Page page(paper, orientation);
    PrinterPaper::fit(printer, page);
    const QPageLayout layout = printer.pageLayout();
    QCOMPARE(layout.pageSize().id(), size);
    QCOMPARE(layout.orientation(),
             orientation == Orientation::Upright ? QPageLayout::Portrait : QPageLayout::Landscape);
    QCOMPARE(layout.mode(), QPageLayout::FullPageMode);
    const QRectF sheet = printer.pageRect(QPrinter::Millimeter);
    QCOMPARE(sheet.topLeft(), QPointF(0, 0));
    QVERIFY(qAbs(sheet.width() - page.paperWidth().toMm()) < 1);
    QVERIFY(qAbs(sheet.height() - page.paperHeight().toMm()) < 1);
    QVERIFY(layout.margins(QPageLayout::Millimeter).left() > 4);  // the printer's own
  }

  void qtsOwnPrinterRefusesAPaperItHasNot() {
    REQUIRE_SPOOLER();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kOnlyA4);
    QVERIFY_THROWS_EXCEPTION(
        PaperNotSupported,
        PrinterPaper::fit(printer, Page({110.0_mm, 220.0_mm}, Orientation::Sideways)));
  }

  void envelopesComeOutOnTheirOwnSizes_data() {
    QTest::addColumn<QString>("size");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("longAddress");
    QTest::newRow("DL") << u"DL"_s << 220.0 << 110.0 << false;
    QTest::newRow("C5") << u"C5"_s << 229.0 << 162.0 << false;
    QTest::newRow("C4") << u"C4"_s << 324.0 << 229.0 << false;
    QTest::newRow("DL, a long address") << u"DL"_s << 220.0 << 110.0 << true;
  }
  void envelopesComeOutOnTheirOwnSizes() {
    REQUIRE_SPOOLER();
    REQUIRE_POPPLER();
    QFETCH(QString, size);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, longAddress);
    TestFolder folder;
    folder.write(u"Impostazioni.ini"_s, "[Stampa Busta]\r\nFormato=" + size.toLatin1() + "\r\n");
    RecordingMessages messages;
    auto source = acceptanceBlocks();
    if (longAddress) {
      setText(*source, "txtIndirizzoDes",
              u"Via dei Santissimi Apostoli e Martiri della Resistenza"_s);
      setText(*source, "txtNumDes", u"1234/B int. 5"_s);
      setText(*source, "txtLocalitaDes", u"San Giovanni in Persiceto di Sotto (BO)"_s);
    }
    EnvelopeScreen screen(EnvelopeFrom::AcceptanceReceipt,
                          textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
    screen.show();
    const Page page = screen.preparedPage();
    acceptPrintDialog();
    press(screen, "btnStampa");
    QVERIFY2(messages.count() == 0,
             qPrintable(messages.count() ? messages.last().text : QString()));
    const QStringList printed = cups_->newOutput();
    QCOMPARE(printed.size(), 1);
    QCOMPARE(page.paperWidth().toMm(), width);
    QCOMPARE(page.paperHeight().toMm(), height);
    if (longAddress)  // on more lines than typed, none of them cut
      QVERIFY(page.text(u"txtDestinatario"_s).count(u'\n') > 2);
    compareWithThePdfPrint(printed.first(), page, out_.path());
  }

  void aQueueThatRefusesOrStandsStillIsReported_data() {
    QTest::addColumn<QString>("queue");
    QTest::newRow("refusing jobs") << kRefusing;
    QTest::newRow("stopped") << kStopped;
  }
  void aQueueThatRefusesOrStandsStillIsReported() {
    REQUIRE_SPOOLER();
    QFETCH(QString, queue);
    TestFolder folder;
    RecordingMessages messages;
    auto source = returnReceipt();
    TfrmStampaRicevimentoDes screen(textsFor<TfrmStampaRicevimentoDes>(*source));
    screen.show();
    acceptPrintDialog(queue);
    press(screen, "btnStampa");
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Warning);
    QCOMPARE(messages.last().text, kFormFailure);
    QVERIFY(!screen.isVisible());
    QCOMPARE(cups_->activeJobs(), 0);  // nothing left to print later
    QVERIFY(cups_->newOutput(0).isEmpty());
  }

  void aPaperThePrinterHasNotGotPrintsNothing() {
    REQUIRE_SPOOLER();
    TestFolder folder;
    RecordingMessages messages;
    auto source = acceptanceBlocks();
    EnvelopeScreen screen(EnvelopeFrom::AcceptanceReceipt,
                          textsFor<EnvelopeScreen>(*source, EnvelopeFrom::AcceptanceReceipt));
    screen.show();
    acceptPrintDialog(kOnlyA4);
    press(screen, "btnStampa");
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Warning);
    QCOMPARE(messages.last().text,
             u"Attenzione: la stampante \"solo_a4\" non può stampare su fogli di 110 × 220 mm, il "
             "formato di questa stampa. Non è stato stampato nulla.\r\n\r\n"
             "Scegliere un'altra stampante, oppure aggiungere questo formato di carta nelle "
             "impostazioni della stampante."_s);
    QVERIFY(screen.isVisible());  // to choose another printer
    QCOMPARE(cups_->activeJobs(), 0);
    QVERIFY(cups_->newOutput(0).isEmpty());
  }
};

QTEST_MAIN(OfficePrintersTest)
#include "tst_officeprinters.moc"
