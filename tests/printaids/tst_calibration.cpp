#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "print/acceptancelayout.h"
#include "print/formsetups.h"
#include "print/returnreceiptlayouts.h"
#include "print/sourcescreen.h"
#include "print/tfrmstampaaccettazione.h"
#include "print/tfrmstamparicevimentodes.h"
#include "printaids/calibrationscreen.h"
#include "printaids/calibrationsheet.h"
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

QString offset(QWidget& screen, const char* box) {
  return screen.findChild<QLineEdit*>(QString::fromLatin1(box))->text();
}

Page formPage(const FormPrintSetup& setup, Orientation orientation) {
  Page form = FormLayout::page(setup.layout);
  form.setOrientation(orientation);
  return form;
}

// The sheet printed through its screen's button into `pdf`.
void printSheet(const FormPrintSetup& setup, Orientation orientation, const QString& pdf) {
  PdfPrintService printer(pdf);
  CalibrationScreen screen(CalibrationSheet::page(formPage(setup, orientation), setup.formName),
                           setup.formName, 0, 0);
  screen.show();
  press(screen, "btnStampaFoglio");
  if (printer.jobs.size() != 1) qFatal("the sheet was not printed");
}

// Both sides of the return receipt read the same screen.
const auto returnReceiptScreen = returnReceiptSourceScreen;
}  // namespace

class CalibrationTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir out_;
  QString pdf_;

  static void addSheets() {
    QTest::addColumn<const FormPrintSetup*>("setup");
    QTest::addColumn<Orientation>("orientation");
    QTest::newRow("acceptance, upright") << &FormSetups::acceptance() << Orientation::Upright;
    QTest::newRow("recipient side, sideways")
        << &FormSetups::recipientSide() << Orientation::Sideways;
    QTest::newRow("sender side, upright") << &FormSetups::senderSide() << Orientation::Upright;
  }

 private slots:
  void init() {
    pdf_ = out_.filePath(u"foglio.pdf"_s);
    QFile::remove(pdf_);
  }

  // --- the sheet on paper ----------------------------------------------------

  void rulerLabelsSitOnTheirTicks_data() { addSheets(); }
  void rulerLabelsSitOnTheirTicks() {
    REQUIRE_POPPLER();
    QFETCH(const FormPrintSetup*, setup);
    QFETCH(Orientation, orientation);
    printSheet(*setup, orientation, pdf_);
    const PdfPage page = pdfPages(pdf_).first();
    const Page paper(PaperSize::a4(), orientation);
    QVERIFY(qAbs(page.width - paper.paperWidth().toMm()) < 0.1);
    QVERIFY(qAbs(page.height - paper.paperHeight().toMm()) < 0.1);

    QList<int> top;
    QList<int> left;
    for (const PdfWord& word : page.words) {
      bool number = false;
      const int mm = word.text.toInt(&number);
      if (!number) continue;
      if (word.top < 15 && word.left > 12) {  // under the top ruler's line
        QVERIFY2(qAbs(word.centreX() - mm) < 0.3, qPrintable(u"top "_s + word.text));
        QVERIFY(qAbs(word.top - 10.8) < 0.3);
        top << mm;
      } else if (word.left < 15 && word.top > 12) {  // beside the left ruler's line
        QVERIFY2(qAbs(word.centreY() - mm) < 0.3, qPrintable(u"left "_s + word.text));
        QVERIFY(qAbs(word.left - 10.8) < 0.3);
        left << mm;
      }
    }
    auto tens = [](double upTo) {
      QList<int> labels;
      for (int mm = 20; mm <= upTo; mm += 10) labels << mm;
      return labels;
    };
    std::sort(top.begin(), top.end());
    std::sort(left.begin(), left.end());
    QCOMPARE(top, tens(qRound(page.width) - 5));
    QCOMPARE(left, tens(qRound(page.height) - 5));
  }

  void ticksFallOnEveryMillimetre() {
    REQUIRE_POPPLER();
    printSheet(FormSetups::acceptance(), Orientation::Upright, pdf_);
    const QImage sheet = pdfImage(pdf_, out_.path());
    // Top ruler: every tick reaches 2 mm above the line at y 10; the tens
    // reach 5 mm, the fives 3.5 mm. Nothing lies half-way between two ticks.
    for (int mm = 11; mm <= 205; ++mm) {
      const QString at = QString::number(mm);
      QVERIFY2(inkedDots(sheet, mm - 0.15, mm + 0.15, 8.3, 9.8) > 0, qPrintable(at));
      QVERIFY2(inkedDots(sheet, mm + 0.35, mm + 0.65, 5.2, 9.8) == 0, qPrintable(at));
      const double reach = mm % 10 == 0 ? 5 : mm % 5 == 0 ? 3.5 : 2;
      QVERIFY2(inkedDots(sheet, mm - 0.15, mm + 0.15, 10.3 - reach, 10.7 - reach) > 0,
               qPrintable(at));
      QVERIFY2(inkedDots(sheet, mm - 0.15, mm + 0.15, 4.5, 9.7 - reach) == 0, qPrintable(at));
    }
    // Left ruler, the same across.
    for (int mm = 11; mm <= 292; ++mm) {
      const QString at = QString::number(mm);
      QVERIFY2(inkedDots(sheet, 8.3, 9.8, mm - 0.15, mm + 0.15) > 0, qPrintable(at));
      QVERIFY2(inkedDots(sheet, 5.2, 9.8, mm + 0.35, mm + 0.65) == 0, qPrintable(at));
    }
  }

  void crosshairsMarkTheCornersOfTheFormsOwnBoxes() {
    REQUIRE_POPPLER();
    const Page form = formPage(FormSetups::acceptance(), Orientation::Upright);
    const QStringList marked = CalibrationSheet::markedBoxes(form);
    // The highest, the furthest right, the lowest and the furthest left.
    QCOMPARE(marked,
             QStringList({u"txtDestinatario"_s, u"txtNumDes"_s, u"txtCC"_s, u"txtAvviso"_s}));
    printSheet(FormSetups::acceptance(), Orientation::Upright, pdf_);
    const QList<PdfWord> words = pdfWords(pdf_);
    const QImage sheet = pdfImage(pdf_, out_.path());
    for (const QString& name : marked) {
      const BoxGeometry box = form.textBox(name).box;
      const double l = box.left.toMm(), t = box.top.toMm();
      const double r = box.right().toMm(), b = box.bottom().toMm();
      // The field's name just above the box.
      auto label = std::find_if(words.begin(), words.end(),
                                [&](const PdfWord& w) { return w.text == name.mid(3); });
      QVERIFY2(label != words.end(), qPrintable(name));
      QVERIFY(qAbs(label->left - (l + 1)) < 0.3);
      QVERIFY(label->bottom < t && label->bottom > t - 1.5);
      // The arms of the crosshairs, 3 mm out from the two corners.
      QVERIFY2(inkedDots(sheet, l - 3.1, l - 2.9, t - 0.2, t + 0.2) > 0, qPrintable(name));
      QVERIFY2(inkedDots(sheet, l - 0.2, l + 0.2, t - 3.1, t - 2.9) > 0, qPrintable(name));
      QVERIFY2(inkedDots(sheet, r + 2.9, r + 3.1, b - 0.2, b + 0.2) > 0, qPrintable(name));
      QVERIFY2(inkedDots(sheet, r - 0.2, r + 0.2, b + 2.9, b + 3.1) > 0, qPrintable(name));
      // and nothing beyond their 4 mm reach.
      QCOMPARE(inkedDots(sheet, l - 6, l - 4.3, t - 0.2, t + 0.2), 0);
    }
  }

  void instructionsStandBelowEveryBox_data() { addSheets(); }
  void instructionsStandBelowEveryBox() {
    REQUIRE_POPPLER();
    QFETCH(const FormPrintSetup*, setup);
    QFETCH(Orientation, orientation);
    printSheet(*setup, orientation, pdf_);
    double lowest = 0;
    for (const FormBox& box : setup->layout)
      lowest = std::max(lowest, (box.top + box.height).toMm());
    const PdfPage page = pdfPages(pdf_).first();
    auto title = std::find_if(page.words.begin(), page.words.end(),
                              [](const PdfWord& w) { return w.text == u"FOGLIO"_s; });
    QVERIFY(title != page.words.end());
    QVERIFY(title->top > lowest + 10);
    // The whole text is there, ending on the page.
    auto end = std::find_if(page.words.begin(), page.words.end(),
                            [](const PdfWord& w) { return w.text == u"modulo."_s; });
    QVERIFY(end != page.words.end());
    QVERIFY(end->top > title->bottom);
    QVERIFY(end->bottom < page.height - 10);
  }

  // --- the screen --------------------------------------------------------------

  void applyStoresTheShiftAsTheApplyButtonsDo_data() {
    QTest::addColumn<bool>("returnReceipt");
    QTest::newRow("acceptance") << false;
    QTest::newRow("return receipt, sideways") << true;
  }
  void applyStoresTheShiftAsTheApplyButtonsDo() {
    QFETCH(bool, returnReceipt);
    const QByteArray before =
        "[Margini Ricevuta Accettazione]\r\nSuperiore=2\r\nSinistro=-1\r\n\r\n"
        "[Margini Avviso Ricevimento Destinatario]\r\nSuperiore=2\r\nSinistro=-1\r\n\r\n"
        "[Margini Avviso Ricevimento Mittente]\r\nSinistro=4\r\n";
    auto source = returnReceipt ? returnReceiptScreen() : sourceScreen(AcceptanceLayout::boxes());
    auto open = [&]() -> std::unique_ptr<FormPrintScreen> {
      std::unique_ptr<FormPrintScreen> screen;
      if (returnReceipt) {
        screen =
            std::make_unique<TfrmStampaRicevimentoDes>(textsFor<TfrmStampaRicevimentoDes>(*source));
        screen->findChild<QRadioButton*>(u"optOrizzontale"_s)->setChecked(true);
      } else {
        screen =
            std::make_unique<TfrmStampaAccettazione>(textsFor<TfrmStampaAccettazione>(*source));
      }
      screen->show();
      return screen;
    };

    // By hand: 2 -> 3 and -1 -> -2, each stored with its "Applica".
    QByteArray byHand;
    {
      TestFolder folder;
      folder.write(u"Impostazioni.ini"_s, before);
      auto screen = open();
      press(*screen, "btnTopPlus");
      press(*screen, "btnLeftMinus");
      press(*screen, "btnApplicaTop");
      press(*screen, "btnApplicaLeft");
      byHand = folder.read(u"Impostazioni.ini"_s);
    }

    TestFolder folder;
    folder.write(u"Impostazioni.ini"_s, before);
    RecordingMessages messages;
    auto screen = open();
    QList<int> started;
    whenShown<CalibrationScreen>([&started](CalibrationScreen& calibration) {
      auto* down = calibration.findChild<QSpinBox*>(u"txtBasso"_s);
      auto* right = calibration.findChild<QSpinBox*>(u"txtDestra"_s);
      started << down->value() << right->value();
      down->setValue(3);
      right->setValue(-2);
      press(calibration, "btnApplica");
    });
    press(*screen, "btnFoglioProva");
    QCOMPARE(started, QList<int>({2, -1}));  // the offsets the screen showed
    QCOMPARE(offset(*screen, "txtTop"), u"3"_s);
    QCOMPARE(offset(*screen, "txtLeft"), u"-2"_s);
    QCOMPARE(folder.read(u"Impostazioni.ini"_s), byHand);
    QVERIFY(folder.read(u"Impostazioni.ini"_s).contains("Sinistro=4"));
    QCOMPARE(messages.count(), 0);
    QVERIFY(screen->isVisible());
  }

  // The sheet takes every offset the print screens take, up to the length
  // of the paper either way, and hands it back unchanged.
  void takesTheWholeRangeOfThePrintScreens_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("typed");
    QTest::newRow("150 kept, 250 typed") << u"150"_s << 250;
    QTest::newRow("-297 kept, 297 typed") << u"-297"_s << 297;
    QTest::newRow("-120 kept, -297 typed") << u"-120"_s << -297;
  }
  void takesTheWholeRangeOfThePrintScreens() {
    QFETCH(QString, stored);
    QFETCH(int, typed);
    TestFolder folder;
    folder.write(u"Impostazioni.ini"_s,
                 "[Margini Ricevuta Accettazione]\r\nSuperiore=" + stored.toLatin1() +
                     "\r\nSinistro=" + stored.toLatin1() + "\r\n");
    auto source = sourceScreen(AcceptanceLayout::boxes());
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    QList<int> shown;
    whenShown<CalibrationScreen>([&](CalibrationScreen& calibration) {
      auto* down = calibration.findChild<QSpinBox*>(u"txtBasso"_s);
      auto* right = calibration.findChild<QSpinBox*>(u"txtDestra"_s);
      shown << down->value() << right->value();
      down->setValue(typed);
      press(calibration, "btnApplica");
    });
    press(screen, "btnFoglioProva");
    QCOMPARE(shown, QList<int>({stored.toInt(), stored.toInt()}));
    QCOMPARE(offset(screen, "txtTop"), QString::number(typed));
    QCOMPARE(offset(screen, "txtLeft"), stored);
    const QByteArray ini = folder.read(u"Impostazioni.ini"_s);
    QVERIFY(ini.contains("Superiore=" + QByteArray::number(typed) + "\r\n"));
    QVERIFY(ini.contains("Sinistro=" + stored.toLatin1() + "\r\n"));
  }

  // The sheet printed from a print screen names each mark as the form does,
  // and tells where to lay a card smaller than the sheet.
  void marksBearTheFormsCaptions_data() {
    QTest::addColumn<bool>("returnReceipt");
    QTest::addColumn<QStringList>("marks");  // box=caption
    QTest::addColumn<bool>("corner");
    QTest::newRow("acceptance") << false
                                << QStringList{u"txtDestinatario=Destinatario"_s,
                                               u"txtNumDes=N. civico destinatario"_s,
                                               u"txtCC=C/C postale"_s,
                                               u"txtAvviso=Avviso di ricevimento"_s}
                                << false;
    QTest::newRow("return receipt, recipient side")
        << true
        << QStringList{u"txtRaccomandata=Raccomandata"_s, u"txtUfficio=Dall'ufficio di"_s,
                       u"txtCapDes01=CAP destinatario, cifra 1"_s}
        << true;
  }
  void marksBearTheFormsCaptions() {
    QFETCH(bool, returnReceipt);
    QFETCH(QStringList, marks);
    QFETCH(bool, corner);
    TestFolder folder;
    PdfPrintService printer;
    auto source = returnReceipt ? returnReceiptScreen() : sourceScreen(AcceptanceLayout::boxes());
    std::unique_ptr<FormPrintScreen> screen;
    if (returnReceipt)
      screen =
          std::make_unique<TfrmStampaRicevimentoDes>(textsFor<TfrmStampaRicevimentoDes>(*source));
    else
      screen = std::make_unique<TfrmStampaAccettazione>(textsFor<TfrmStampaAccettazione>(*source));
    screen->show();
    whenShown<CalibrationScreen>([](CalibrationScreen& calibration) {
      press(calibration, "btnStampaFoglio");
      press(calibration, "btnAnnulla");
    });
    press(*screen, "btnFoglioProva");
    QCOMPARE(printer.jobs.size(), size_t(1));
    const Page& sheet = printer.jobs.front().front();
    QStringList printed;
    for (const PageItem& item : sheet.items())
      if (const auto* box = std::get_if<TextBox>(&item); box && box->name.startsWith(u"mark "_s))
        printed << box->name.mid(5) + u'=' + box->text;
    QCOMPARE(printed, marks);
    const QString instructions = sheet.text(u"instructions"_s);
    QCOMPARE(instructions.contains(u"con l'angolo superiore sinistro del modulo sull'angolo "
                                   "superiore sinistro del foglio"_s),
             corner);
    QCOMPARE(instructions.contains(u"con i bordi allineati"_s), !corner);
  }

  void cancelChangesNothing() {
    TestFolder folder;
    auto source = sourceScreen(AcceptanceLayout::boxes());
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(*source));
    screen.show();
    press(screen, "btnTopPlus", 2);
    whenShown<CalibrationScreen>([](CalibrationScreen& calibration) {
      calibration.findChild<QSpinBox*>(u"txtBasso"_s)->setValue(7);
      press(calibration, "btnAnnulla");
    });
    press(screen, "btnFoglioProva");
    QCOMPARE(offset(screen, "txtTop"), u"2"_s);
    QVERIFY(!folder.exists(u"Impostazioni.ini"_s));
  }

  void sheetPrintsWithoutOffsetsInTheChosenOrientation() {
    TestFolder folder;
    folder.write(u"Impostazioni.ini"_s,
                 "[Margini Avviso Ricevimento Destinatario]\r\nSuperiore=5\r\nSinistro=5\r\n");
    PdfPrintService printer;
    auto source = returnReceiptScreen();
    TfrmStampaRicevimentoDes screen(textsFor<TfrmStampaRicevimentoDes>(*source));
    screen.show();
    screen.findChild<QRadioButton*>(u"optOrizzontale"_s)->setChecked(true);
    whenShown<CalibrationScreen>([](CalibrationScreen& calibration) {
      press(calibration, "btnStampaFoglio");
      press(calibration, "btnAnnulla");
    });
    press(screen, "btnFoglioProva");
    QCOMPARE(printer.jobs.size(), size_t(1));
    const Page& sheet = printer.jobs.front().front();
    QCOMPARE(sheet.orientation(), Orientation::Sideways);
    QCOMPARE(sheet.topMargin(), Length());
    QCOMPARE(sheet.leftMargin(), Length());
    QCOMPARE(printer.documentNames,
             QStringList({u"Foglio di prova - Avviso di Ricevimento (Destinatario)"_s}));
    QVERIFY(screen.isVisible());  // printing the sheet prints no form
  }

  void sheetPrintFailureIsReported() {
    RecordingMessages messages;
    PdfPrintService printer;
    printer.answer = PdfPrintService::Answer::Fail;
    const FormPrintSetup& setup = FormSetups::acceptance();
    CalibrationScreen screen(
        CalibrationSheet::page(formPage(setup, Orientation::Upright), setup.formName),
        setup.formName, 0, 0);
    screen.show();
    press(screen, "btnStampaFoglio");
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Warning);
    QCOMPARE(messages.last().text,
             u"Attenzione: la stampa del foglio di prova non è andata a buon fine.\n\r\n\r"
             "Si consiglia di controllare le impostazioni della stampante."_s);
    QVERIFY(screen.isVisible());
  }
};

QTEST_MAIN(CalibrationTest)
#include "tst_calibration.moc"
