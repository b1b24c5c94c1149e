#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "platform/guardedaction.h"
#include "print/cardlayout.h"
#include "print/tfrmstampaanagrafica.h"
#include "sourcescreen.h"
#include "support/ink.h"
#include "support/pdfprintservice.h"
#include "support/pdfreadback.h"
#include "support/poppler.h"
#include "support/recordingmessages.h"
#include "support/smalldisk.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {
using Form = RecordingMessages::Form;

constexpr double kMargin = 10.0;
const QDateTime kPrintedAt(QDate(2026, 3, 7), QTime(9, 5, 3));

// A stand-in for the address-book screen: an empty text box for every
// control the card rows read.
std::unique_ptr<QWidget> addressBook() {
  auto screen = std::make_unique<QWidget>();
  static const QRegularExpression control(u"\\{(\\w+)\\}"_s);
  for (const CardRow& row : CardLayout::rows()) {
    auto matches = control.globalMatch(QString::fromLatin1(row.content));
    while (matches.hasNext()) {
      const QString name = matches.next().captured(1);
      auto* box = new QLineEdit(screen.get());
      box->setObjectName(name);
    }
  }
  return screen;
}

void type(QWidget& screen, const QString& name, const QString& text) {
  auto* box = screen.findChild<QLineEdit*>(name);
  if (!box) qFatal("no box %s", qPrintable(name));
  box->setText(text);
}

// Row frames are the outlined rectangles without a fill, top to bottom.
QList<RectangleItem> rectangles(const Page& page) {
  QList<RectangleItem> found;
  for (const PageItem& item : page.items())
    if (const auto* rect = std::get_if<RectangleItem>(&item)) found << *rect;
  return found;
}

QList<RectangleItem> rowFrames(const Page& page) {
  QList<RectangleItem> frames;
  for (const RectangleItem& rect : rectangles(page))
    if (!rect.fill) frames << rect;
  return frames;
}

void compareBox(const BoxGeometry& actual, double left, double top, double width, double height) {
  QCOMPARE(actual.left.toMm(), left);
  QCOMPARE(actual.top.toMm(), top);
  QCOMPARE(actual.width.toMm(), width);
  QCOMPARE(actual.height.toMm(), height);
}

// --- painted pages ---------------------------------------------------------

QRgb pixelAt(const QImage& image, double xMm, double yMm) {
  return image.pixel(int(xMm * kImageDotsPerMm), int(yMm * kImageDotsPerMm)) & 0xFFFFFF;
}

// Dots darker than a light grey.
int inkIn(const QImage& image, double leftMm, double rightMm, double topMm, double bottomMm) {
  return inkedDots(image, leftMm, rightMm, topMm, bottomMm, 160);
}

// --- the PDF read back -----------------------------------------------------

using Word = PdfWord;
const auto wordsOf = pdfWords;

const auto find = findWord;

}  // namespace

class CardPrintTest : public QObject {
  Q_OBJECT
 private slots:
  // --- the sheet as a model ------------------------------------------------

  void sheetIsA4UprightWithTenMillimetreMargins() {
    const Page page = CardLayout::page();
    QCOMPARE(page.orientation(), Orientation::Upright);
    QCOMPARE(page.paperWidth().toMm(), 210.0);
    QCOMPARE(page.paperHeight().toMm(), 297.0);
    QCOMPARE(page.topMargin().toMm(), kMargin);
    QCOMPARE(page.leftMargin().toMm(), kMargin);
    // The whole content lies in the top 143.80 mm of the area inside the margins.
    for (const RectangleItem& rect : rectangles(page))
      QVERIFY(rect.box.bottom().toMm() <= 143.80 + 1e-9 && rect.box.right().toMm() <= 190.0);
  }

  void rowsSitAtTheirPlaces_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("frameTop");  // inside the margins
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("valueBox");
    QTest::newRow("first") << 1 << 7.00 << u"Cognome, nome o Rag. soc."_s << u"txtNome"_s;
    QTest::newRow("second") << 2 << 12.00 << u"Codice fiscale:"_s << u"txtCodFisc"_s;
    QTest::newRow("postcode") << 8 << 42.00 << u"CAP:"_s << u"txtCap"_s;
    QTest::newRow("town") << 9 << 47.00 << u"Località:"_s << u"txtLocalita"_s;
    QTest::newRow("pending") << 25 << 127.00 << u"Questioni in sospeso:"_s << u"txtQuestioni"_s;
    QTest::newRow("last") << 26 << 132.00 << u"Note:"_s << u"txtNote"_s;
  }
  void rowsSitAtTheirPlaces() {
    QFETCH(int, row);
    QFETCH(double, frameTop);
    QFETCH(QString, label);
    QFETCH(QString, valueBox);
    const Page page = CardLayout::page();
    const QList<RectangleItem> frames = rowFrames(page);
    QCOMPARE(frames.size(), 26);
    const RectangleItem& frame = frames[row - 1];
    compareBox(page.paperBox(frame.box), 1.00 + kMargin, frameTop + kMargin, 188.00, 4.60);
    QCOMPARE(frame.outline, std::optional<QColor>(Qt::black));

    const CardRow& tabled = CardLayout::rows()[row - 1];
    QCOMPARE(QString::fromLatin1(tabled.valueBox), valueBox);
    const TextBox& value = page.textBox(valueBox);
    compareBox(page.paperBox(value.box), 44.00 + kMargin, frameTop + 0.50 + kMargin, 144.00, 3.50);
    QCOMPARE(value.text, QString());
    const TextBox& caption = page.textBox(CardLayout::labelBoxName(tabled));
    compareBox(page.paperBox(caption.box), 2.00 + kMargin, frameTop + 0.50 + kMargin, 37.80, 3.50);
    QCOMPARE(caption.text, label);
  }

  void everyTextIsArialBlackOneLineAtTheTop() {
    const Page page = CardLayout::page();
    int boxes = 0;
    for (const PageItem& item : page.items()) {
      const auto* text = std::get_if<TextBox>(&item);
      if (!text) continue;
      ++boxes;
      QCOMPARE(text->font.family, u"Arial"_s);
      QVERIFY(!text->font.bold);
      QCOMPARE(text->font.colour, QColor(Qt::black));
      QVERIFY(!text->wrap);
      QVERIFY(!text->fill);
      QCOMPARE(text->vAlign, VAlign::Top);
    }
    QCOMPARE(boxes, 2 * 26 + 2);
    for (const CardRow& row : CardLayout::rows()) {
      for (const QString& name :
           {QString::fromLatin1(row.valueBox), CardLayout::labelBoxName(row)}) {
        QCOMPARE(page.textBox(name).font.points, 7.0);
        QCOMPARE(page.textBox(name).hAlign, HAlign::Left);
      }
    }
  }

  void titleAndFooterBandsAreFilledAndOutlined() {
    const Page page = CardLayout::page();
    QList<RectangleItem> bands;
    for (const RectangleItem& rect : rectangles(page))
      if (rect.fill) bands << rect;
    QCOMPARE(bands.size(), 2);
    compareBox(page.paperBox(bands[0].box), 11.00, 11.00, 188.00, 5.80);
    QCOMPARE(*bands[0].fill, QColor(u"lightsteelblue"_s));
    QCOMPARE(bands[0].outline, std::optional<QColor>(Qt::black));
    compareBox(page.paperBox(bands[1].box), 11.00, 148.00, 188.00, 5.80);
    QCOMPARE(*bands[1].fill, QColor(u"gold"_s));
    QCOMPARE(bands[1].outline, std::optional<QColor>(Qt::black));

    const TextBox& title = page.textBox(u"lblTitolo"_s);
    compareBox(page.paperBox(title.box), 12.00, 12.00, 185.80, 4.20);
    QCOMPARE(title.text, u"SCHEDA ANAGRAFICA"_s);
    QCOMPARE(title.font.points, 9.0);
    QCOMPARE(title.hAlign, HAlign::Centre);
    const TextBox& footer = page.textBox(u"txtCalce"_s);
    compareBox(page.paperBox(footer.box), 12.00, 149.00, 185.80, 4.20);
    QCOMPARE(footer.font.points, 8.0);
    QCOMPARE(footer.hAlign, HAlign::Centre);
  }

  void labelColumnDividerRunsDownTheRows() {
    const Page page = CardLayout::page();
    QList<LineItem> lines;
    for (const PageItem& item : page.items())
      if (const auto* line = std::get_if<LineItem>(&item)) lines << *line;
    QCOMPARE(lines.size(), 1);
    const LineItem& divider = lines.first();
    QCOMPARE((divider.x1 + page.leftMargin()).toMm(), 52.00);
    QCOMPARE((divider.x2 + page.leftMargin()).toMm(), 52.00);
    QCOMPARE((divider.y1 + page.topMargin()).toMm(), 17.00);
    QCOMPARE((divider.y2 - divider.y1).toMm(), 129.60);
    QCOMPARE(divider.colour, QColor(Qt::black));
  }

  // --- the values ----------------------------------------------------------

  void valuesComeFromTheAddressBook_data() {
    QTest::addColumn<QStringList>("typed");  // "control=text"
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name trimmed") << QStringList{u"txtNome=  Rossi Mario \t"_s} << u"txtNome"_s
                                  << u"Rossi Mario"_s;
    QTest::newRow("full postcode") << QStringList{u"txtCap01=0"_s, u"txtCap02=0"_s, u"txtCap03=1"_s,
                                                  u"txtCap04=8"_s, u"txtCap05=4"_s}
                                   << u"txtCap"_s << u"00184"_s;
    QTest::newRow("partly filled postcode")
        << QStringList{u"txtCap01=0"_s, u"txtCap02= "_s, u"txtCap04=8"_s, u"txtCap05=4"_s}
        << u"txtCap"_s << u"084"_s;
    QTest::newRow("street and number")
        << QStringList{u"txtIndirizzo= VIA ROMA "_s, u"txtNum= 12/B"_s} << u"txtIndirizzo"_s
        << u"VIA ROMA 12/B"_s;
    QTest::newRow("street without number keeps the blank")
        << QStringList{u"txtIndirizzo=VIA ROMA"_s} << u"txtIndirizzo"_s << u"VIA ROMA "_s;
    QTest::newRow("town and province")
        << QStringList{u"txtLocalita=MILANO"_s, u"txtProv01=M"_s, u"txtProv02=I"_s}
        << u"txtLocalita"_s << u"MILANO MI"_s;
    QTest::newRow("accented text as typed")
        << QStringList{u"txtNote=Già pagato, però "_s} << u"txtNote"_s << u"Già pagato, però"_s;
  }
  void valuesComeFromTheAddressBook() {
    QFETCH(QStringList, typed);
    QFETCH(QString, box);
    QFETCH(QString, expected);
    auto source = addressBook();
    for (const QString& entry : typed)
      type(*source, entry.section(u'=', 0, 0), entry.section(u'=', 1));
    Page page = CardLayout::page();
    CardLayout::fill(page, textsFor<TfrmStampaAnagrafica>(*source), kPrintedAt);
    QCOMPARE(page.text(box), expected);
  }

  void footerGivesDateAndTimeWithLeadingZeros_data() {
    QTest::addColumn<QDateTime>("at");
    QTest::addColumn<QString>("expected");
    QTest::newRow("morning in March")
        << kPrintedAt << u"Stampa eseguita in data 07/03/2026 alle ore 09:05:03"_s;
    QTest::newRow("last second of the year")
        << QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59))
        << u"Stampa eseguita in data 31/12/2025 alle ore 23:59:59"_s;
  }
  void footerGivesDateAndTimeWithLeadingZeros() {
    QFETCH(QDateTime, at);
    QFETCH(QString, expected);
    Page page = CardLayout::page();
    CardLayout::fill(page, textsFor<TfrmStampaAnagrafica>(*addressBook()), at);
    QCOMPARE(page.text(u"txtCalce"_s), expected);
  }

  // --- the painted sheet ---------------------------------------------------

  void fillsAndLinesArePainted() {
    const QImage image = paintedPage(CardLayout::page());
    QCOMPARE(pixelAt(image, 20.0, 14.0), QColor(u"lightsteelblue"_s).rgb() & 0xFFFFFF);
    QCOMPARE(pixelAt(image, 20.0, 151.0), QColor(u"gold"_s).rgb() & 0xFFFFFF);
    QVERIFY(qGray(pixelAt(image, 52.0, 80.0)) < 128);      // the divider
    QCOMPARE(pixelAt(image, 53.0, 80.0), QRgb(0xFFFFFF));  // inside a frame
    QVERIFY(qGray(pixelAt(image, 100.0, 17.0)) < 128);     // the first frame's top
    QCOMPARE(inkIn(image, 200.0, 210.0, 0.0, 160.0), 0);   // right of every frame
  }

  void longNoteIsCutAtTheRightEdgeOfItsBox() {
    auto source = addressBook();
    type(*source, u"txtNote"_s, QString(200, u'W'));
    Page page = CardLayout::page();
    CardLayout::fill(page, textsFor<TfrmStampaAnagrafica>(*source), kPrintedAt);
    const QImage image = paintedPage(page);
    const BoxGeometry box = page.paperBox(page.textBox(u"txtNote"_s).box);
    const double right = box.right().toMm();  // 198, the frame's outline at 199
    const double top = box.top.toMm();
    const double bottom = box.bottom().toMm();
    QVERIFY(inkIn(image, right - 3.0, right, top, bottom) > 0);
    QCOMPARE(inkIn(image, right + 0.2, right + 0.7, top, bottom), 0);
    QCOMPARE(inkIn(image, right + 1.3, 210.0, top - 1.0, bottom + 1.0), 0);
  }

  // --- the print screen ----------------------------------------------------

  void screenIsASmallFixedDialog() {
    auto source = addressBook();
    TfrmStampaAnagrafica screen(textsFor<TfrmStampaAnagrafica>(*source));
    screen.show();
    QCOMPARE(screen.windowTitle(), u" Stampa scheda"_s);
    QCOMPARE(screen.findChild<QPushButton*>(u"btnAnnulla"_s)->text(), u"Annulla"_s);
    QCOMPARE(screen.findChild<QPushButton*>(u"btnStampa"_s)->text(), u"Stampa"_s);
    const Qt::WindowFlags flags = screen.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    for (Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                  Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint})
      QVERIFY(!flags.testFlag(button));
    QCOMPARE(screen.minimumSize(), screen.maximumSize());
  }

  void printingHandsTheCardAsShownAndCloses() {
    RecordingMessages messages;
    PdfPrintService printer;
    auto source = addressBook();
    type(*source, u"txtNome"_s, u"  Rossi Mario"_s);
    TfrmStampaAnagrafica screen(textsFor<TfrmStampaAnagrafica>(*source));
    // The print takes the card as it was when the screen opened.
    type(*source, u"txtNome"_s, u"Bianchi Anna"_s);
    int readings = 0;
    screen.setClock([&] {
      ++readings;
      return kPrintedAt.addSecs(readings - 1);
    });
    screen.show();
    QTest::mouseClick(screen.findChild<QPushButton*>(u"btnStampa"_s), Qt::LeftButton);

    QCOMPARE(messages.count(), 0);
    QCOMPARE(printer.jobs.size(), size_t(1));
    QCOMPARE(printer.jobs[0].size(), size_t(1));
    const Page& page = printer.jobs[0][0];
    QCOMPARE(page.orientation(), Orientation::Upright);
    QCOMPARE(rowFrames(page).size(), 26);
    QCOMPARE(page.text(u"lblTitolo"_s), u"SCHEDA ANAGRAFICA"_s);
    QCOMPARE(page.text(u"txtNome"_s), u"Rossi Mario"_s);
    // The joined rows (street and number, town and province) hold just their
    // blank: nothing shows, as in every other empty row.
    int blank = 0;
    for (const CardRow& row : CardLayout::rows())
      if (page.text(QString::fromLatin1(row.valueBox)).trimmed().isEmpty()) ++blank;
    QCOMPARE(blank, 25);
    QCOMPARE(readings, 1);
    QCOMPARE(page.text(u"txtCalce"_s), u"Stampa eseguita in data 07/03/2026 alle ore 09:05:03"_s);
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Accepted));
  }

  void cancelledPrintDialogClosesSilently() {
    RecordingMessages messages;
    PdfPrintService printer;
    printer.answer = PdfPrintService::Answer::Cancel;
    auto source = addressBook();
    TfrmStampaAnagrafica screen(textsFor<TfrmStampaAnagrafica>(*source));
    screen.show();
    QTest::mouseClick(screen.findChild<QPushButton*>(u"btnStampa"_s), Qt::LeftButton);
    QCOMPARE(printer.jobs.size(), size_t(1));
    QCOMPARE(messages.count(), 0);
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Rejected));
  }

  void failureShowsItsOwnTextAndTheScreenStaysOpen_data() {
    QTest::addColumn<bool>("printerFails");
    QTest::addColumn<bool>("clockFails");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("requests");
    QTest::newRow("printer error")
        << true << false << u"the printer is out of order (scripted)"_s << 1;
    QTest::newRow("other error while preparing") << false << true << kUnexpectedFailure << 0;
  }
  void failureShowsItsOwnTextAndTheScreenStaysOpen() {
    QFETCH(bool, printerFails);
    QFETCH(bool, clockFails);
    QFETCH(QString, text);
    QFETCH(int, requests);
    RecordingMessages messages;
    PdfPrintService printer;
    if (printerFails) printer.answer = PdfPrintService::Answer::Fail;
    auto source = addressBook();
    TfrmStampaAnagrafica screen(textsFor<TfrmStampaAnagrafica>(*source));
    bool clockBroken = clockFails;
    screen.setClock([&clockBroken] {
      if (clockBroken) throw std::runtime_error("the clock cannot be read (scripted)");
      return kPrintedAt;
    });
    screen.show();
    auto* print = screen.findChild<QPushButton*>(u"btnStampa"_s);
    QTest::mouseClick(print, Qt::LeftButton);

    QCOMPARE(int(printer.jobs.size()), requests);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Unexpected);
    QCOMPARE(messages.last().text, text);
    QVERIFY(screen.isVisible());

    // Trying again once the cause is gone prints and closes.
    printer.answer = PdfPrintService::Answer::Print;
    clockBroken = false;
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(int(printer.jobs.size()), requests + 1);
    QCOMPARE(messages.count(), 1);
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Accepted));
  }

  // Printing to a file that cannot be written whole is a failure like any
  // other: the user is told, and the screen stays open for another try.
  void printToAFullDiskShowsTheFailureAndStaysOpen() {
    SmallDisk disk;
    if (!disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    TestFolder folder(disk.path());
    disk.fill();
    RecordingMessages messages;
    PdfPrintService printer(folder.filePath(u"scheda.pdf"_s));
    auto source = addressBook();
    TfrmStampaAnagrafica screen(textsFor<TfrmStampaAnagrafica>(*source));
    screen.show();
    QTest::mouseClick(screen.findChild<QPushButton*>(u"btnStampa"_s), Qt::LeftButton);

    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Unexpected);
    QCOMPARE(messages.last().text,
             u"Attenzione: non è stato possibile scrivere il file di stampa "_s +
                 folder.filePath(u"scheda.pdf"_s) +
                 u".\r\n\r\nControllare che la cartella esista, che vi si possa scrivere e "
                 "che il disco non sia pieno."_s);
    QVERIFY(screen.isVisible());
    QVERIFY(!folder.exists(u"scheda.pdf"_s));
  }

  void annullaClosesWithoutPrinting() {
    RecordingMessages messages;
    PdfPrintService printer;
    auto source = addressBook();
    TfrmStampaAnagrafica screen(textsFor<TfrmStampaAnagrafica>(*source));
    screen.show();
    QTest::mouseClick(screen.findChild<QPushButton*>(u"btnAnnulla"_s), Qt::LeftButton);
    QVERIFY(!screen.isVisible());
    QVERIFY(printer.jobs.empty());
    QCOMPARE(messages.count(), 0);
  }

  // --- a real PDF ----------------------------------------------------------

  void pdfPutsTitleAndValuesWhereTabled() {
    REQUIRE_POPPLER();
    QTemporaryDir out;
    const QString pdf = out.filePath(u"scheda.pdf"_s);
    RecordingMessages messages;
    PdfPrintService printer(pdf);
    auto source = addressBook();
    type(*source, u"txtNome"_s, u"ROSSI"_s);
    type(*source, u"txtLocalita"_s, u"MILANO"_s);
    type(*source, u"txtProv01"_s, u"M"_s);
    type(*source, u"txtProv02"_s, u"I"_s);
    TfrmStampaAnagrafica screen(textsFor<TfrmStampaAnagrafica>(*source));
    screen.setClock([] { return kPrintedAt; });
    screen.show();
    QTest::mouseClick(screen.findChild<QPushButton*>(u"btnStampa"_s), Qt::LeftButton);
    QCOMPARE(messages.count(), 0);

    const QList<Word> words = wordsOf(pdf);
    // pdftotext gives the pen position where a word starts and the font's
    // ascent above the baseline, the same ascent Qt puts at a box's top.
    const Word scheda = find(words, u"SCHEDA"_s);
    const Word anagrafica = find(words, u"ANAGRAFICA"_s);
    QVERIFY2(qAbs(scheda.top - 12.00) < 0.3, qPrintable(QString::number(scheda.top)));
    const double titleCentre = (scheda.left + anagrafica.right) / 2;
    QVERIFY2(qAbs(titleCentre - (12.00 + 185.80 / 2)) < 0.3,
             qPrintable(QString::number(titleCentre)));

    const struct {
      QString word;
      double left;
      double top;
    } expected[] = {
        {u"ROSSI"_s, 54.00, 17.50},     // row 1's value
        {u"MILANO"_s, 54.00, 57.50},    // row 9's value
        {u"MI"_s, -1, 57.50},           // the province after the town
        {u"Cognome,"_s, 12.00, 17.50},  // row 1's label
        {u"Note:"_s, 12.00, 142.50},    // row 26's label
        {u"Stampa"_s, -1, 149.00},      // the footer
    };
    for (const auto& [word, left, top] : expected) {
      const Word found = find(words, word);
      if (left >= 0)
        QVERIFY2(qAbs(found.left - left) < 0.3,
                 qPrintable(word + u' ' + QString::number(found.left)));
      QVERIFY2(qAbs(found.top - top) < 0.3, qPrintable(word + u' ' + QString::number(found.top)));
    }
    QVERIFY(find(words, u"09:05:03"_s).left > 100.0);
  }
};

QTEST_MAIN(CardPrintTest)
#include "tst_cardprint.moc"
