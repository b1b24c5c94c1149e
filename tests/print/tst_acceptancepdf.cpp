#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "print/acceptancelayout.h"
#include "print/tfrmstampaaccettazione.h"
#include "sourcescreen.h"
#include "support/pdfprintservice.h"
#include "support/pdfreadback.h"
#include "support/poppler.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// The acceptance receipt printed for real into a PDF and read back with
// poppler: words with pdftotext -bbox, ink with pdftoppm.
namespace {
using Word = PdfWord;
const auto wordsOf = pdfWords;

QImage rendered(const QString& pdf, const QString& folder) { return pdfImage(pdf, folder); }

const FormBox& row(const char* name) {
  for (const FormBox& box : AcceptanceLayout::boxes())
    if (qstrcmp(box.name, name) == 0) return box;
  qFatal("no box %s", name);
}
}  // namespace

class AcceptancePdfTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir out_;
  QString pdf_;

  // Prints the source through the real screen with the stored offsets.
  void print(QWidget& source, const QByteArray& settings) {
    TestFolder folder;
    folder.write(u"Impostazioni.ini"_s, settings);
    RecordingMessages messages;
    PdfPrintService printer(pdf_);
    TfrmStampaAccettazione screen(textsFor<TfrmStampaAccettazione>(source));
    screen.show();
    QTest::mouseClick(screen.findChild<QPushButton*>(u"btnStampa"_s), Qt::LeftButton);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(printer.jobs.size(), size_t(1));
  }

 private slots:
  void initTestCase() { REQUIRE_POPPLER(); }
  void init() { pdf_ = out_.filePath(u"ricevuta.pdf"_s); }

  void wordsStartAtTheirBoxesShiftedByTheOffsets_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<double>("down");
    QTest::addColumn<double>("right");
    QTest::newRow("no offsets") << QByteArray() << 0.0 << 0.0;
    QTest::newRow("5 down, 2 left")
        << QByteArray("[Margini Ricevuta Accettazione]\r\nSuperiore=5\r\nSinistro=-2\r\n") << 5.0
        << -2.0;
    QTest::newRow("hand-edited 2,5")
        << QByteArray("[Margini Ricevuta Accettazione]\r\nSuperiore=2,5\r\nSinistro=0\r\n") << 2.5
        << 0.0;
  }
  void wordsStartAtTheirBoxesShiftedByTheOffsets() {
    QFETCH(QByteArray, settings);
    QFETCH(double, down);
    QFETCH(double, right);
    auto source = sourceScreen(AcceptanceLayout::boxes());
    setText(*source, "txtDestinatario", u"   ROSSI"_s);  // blanks do not print
    setText(*source, "txtLocalitaMit", u"Milano"_s);
    print(*source, settings);

    const QList<Word> words = wordsOf(pdf_);
    const std::pair<const char*, const char*> expected[] = {{"txtDestinatario", "ROSSI"},
                                                            {"txtLocalitaMit", "Milano"}};
    for (const auto& [box, text] : expected) {
      auto found = std::find_if(words.begin(), words.end(),
                                [&](const Word& w) { return w.text == QLatin1String(text); });
      QVERIFY2(found != words.end(), text);
      // pdftotext gives the pen position where the word starts, so the
      // glyph's side bearing does not enter the left edge.
      QVERIFY2(qAbs(found->left - (row(box).left.toMm() + right)) < 0.3,
               qPrintable(QString::number(found->left)));
      // Its top is the font's ascent above the baseline, the same ascent
      // Qt puts at the top of a top-aligned box; only rounding separates them.
      QVERIFY2(qAbs(found->top - (row(box).top.toMm() + down)) < 0.3,
               qPrintable(QString::number(found->top)));
    }
  }

  void tickedServicesAloneGetTheirX() {
    auto source = sourceScreen(AcceptanceLayout::boxes());
    tick(*source, "chkAvviso");
    tick(*source, "chkVaglia");
    print(*source, {});

    QStringList marked;
    for (const Word& word : wordsOf(pdf_)) {
      QCOMPARE(word.text, u"X"_s);
      for (const char* name : {"txtAvviso", "txtContrassegno", "txtCC", "txtVaglia"}) {
        const FormBox& box = row(name);
        if (word.left >= box.left.toMm() && word.left < (box.left + box.width).toMm() &&
            word.top >= box.top.toMm() - 0.5 && word.top < (box.top + box.height).toMm())
          marked << QString::fromLatin1(name);
      }
    }
    QCOMPARE(marked, QStringList({u"txtAvviso"_s, u"txtVaglia"_s}));
  }

  void longNameIsCutAtTheBoxEdge() {
    auto source = sourceScreen(AcceptanceLayout::boxes());
    setText(*source, "txtDestinatario", QString(80, u'W'));
    print(*source, {});

    const QImage page = rendered(pdf_, out_.path());
    QCOMPARE(page.width(), 2100);
    const FormBox& box = row("txtDestinatario");
    const double right = (box.left + box.width).toMm();
    const double top = box.top.toMm();
    const double bottom = (box.top + box.height).toMm();
    QVERIFY(inkedDots(page, right - 3, right - 0.1, top, bottom) > 0);
    QCOMPARE(inkedDots(page, right + 0.2, 210.0, top - 1, bottom + 1), 0);
    // One line only: nothing below the box.
    QCOMPARE(inkedDots(page, box.left.toMm(), right, bottom + 0.2, bottom + 6), 0);
  }

  void emptyFormPrintsABlankPage() {
    auto source = sourceScreen(AcceptanceLayout::boxes());
    print(*source, {});
    QVERIFY(wordsOf(pdf_).isEmpty());
    const QImage page = rendered(pdf_, out_.path());
    // A4 in whole points is 297.04 mm tall: one more row of dots.
    QCOMPARE(page.width(), 2100);
    QVERIFY(qAbs(page.height() - 2970) <= 1);
    QCOMPARE(inkedDots(page, 0, 210, 0, 297), 0);
  }
};

QTEST_MAIN(AcceptancePdfTest)
#include "tst_acceptancepdf.moc"
