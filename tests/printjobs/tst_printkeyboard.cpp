#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "archive/layouts.h"
#include "print/acceptancelayout.h"
#include "print/sourcescreen.h"
#include "print/tfrmstampaaccettazione.h"
#include "print/tfrmstampaanagrafica.h"
#include "print/tfrmstamparicevimentodes.h"
#include "printaids/calibrationscreen.h"
#include "printaids/calibrationsheet.h"
#include "printjobs/batchprintscreen.h"
#include "printjobs/envelopescreen.h"
#include "records/listlines.h"
#include "search/fixtures.h"
#include "support/pdfprintservice.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// The print screens from the keyboard alone: Tab in reading order from a
// first focus where the user acts first, Enter and Ctrl+P print, and every
// button is read by the words it shows.
namespace {

enum class Screen { Acceptance, RecipientSide, Card, Envelope, Batch, Calibration };

struct Opened {
  std::unique_ptr<QWidget> source;
  std::unique_ptr<QDialog> screen;
};

QStringList unsentLines() {
  QStringList lines;
  for (const QString& name : {u"Rossi"_s, u"Bianchi"_s}) {
    auto r =
        Fixture::record<TSchedaAccettazione>({{u"Destinatario"_s, name}, {u"Inviata"_s, u"No"_s}});
    lines << ListLines::lineOf(r, unsentList().line);
  }
  return lines;
}

void writeUnsent(TestFolder& folder) {
  QList<TSchedaAccettazione> records;
  for (const QString& name : {u"Rossi"_s, u"Bianchi"_s})
    records << Fixture::record<TSchedaAccettazione>(
        {{u"Destinatario"_s, name}, {u"Inviata"_s, u"No"_s}});
  folder.write(acceptanceArchive().fileName, Fixture::bytes(records));
}

std::unique_ptr<QWidget> cardSource() {
  auto source = std::make_unique<QWidget>();
  for (const char* name :
       {"txtNome",        "txtCodFisc",   "txtSesso",      "txtDataNasc", "txtLuogoNasc",
        "txtPartitaIva",  "txtIndirizzo", "txtNum",        "txtCap01",    "txtCap02",
        "txtCap03",       "txtCap04",     "txtCap05",      "txtLocalita", "txtProv01",
        "txtProv02",      "txtCivile",    "txtTel",        "txtEmail",    "txtIban",
        "txtPec",         "txtCarta",     "txtScadeCarta", "txtCel",      "txtCittadinanza",
        "txtOccupazione", "txtTipoDoc",   "txtEnteRil",    "txtDataRil",  "txtDataSca",
        "txtProdotti",    "txtQuestioni", "txtNote"})
    (new QLineEdit(source.get()))->setObjectName(QString::fromLatin1(name));
  return source;
}

Opened open(Screen which) {
  Opened o;
  switch (which) {
    case Screen::Acceptance:
      o.source = sourceScreen(AcceptanceLayout::boxes());
      o.screen =
          std::make_unique<TfrmStampaAccettazione>(textsFor<TfrmStampaAccettazione>(*o.source));
      break;
    case Screen::RecipientSide:
      o.source = returnReceiptSourceScreen();
      o.screen =
          std::make_unique<TfrmStampaRicevimentoDes>(textsFor<TfrmStampaRicevimentoDes>(*o.source));
      break;
    case Screen::Card:
      o.source = cardSource();
      o.screen = std::make_unique<TfrmStampaAnagrafica>(textsFor<TfrmStampaAnagrafica>(*o.source));
      break;
    case Screen::Envelope:
      o.source = sourceScreen(AcceptanceLayout::boxes());
      setText(*o.source, "txtDestinatario", u"Rossi Mario"_s);
      o.screen = std::make_unique<EnvelopeScreen>(
          EnvelopeFrom::AcceptanceReceipt,
          textsFor<EnvelopeScreen>(*o.source, EnvelopeFrom::AcceptanceReceipt));
      break;
    case Screen::Batch:
      o.screen = std::make_unique<BatchPrintScreen>(*FormBatches::forList(unsentList()),
                                                    unsentLines(), QList<int>());
      break;
    case Screen::Calibration: {
      Page form = FormLayout::page(AcceptanceLayout::boxes());
      o.screen = std::make_unique<CalibrationScreen>(CalibrationSheet::page(form, u"Prova"_s),
                                                     u"Prova"_s, 0, 0);
      break;
    }
  }
  o.screen->show();
  QApplication::setActiveWindow(o.screen.get());
  if (!QTest::qWaitForWindowActive(o.screen.get())) qFatal("the screen did not become active");
  return o;
}

QPoint middle(const QWidget* widget, const QWidget* screen) {
  return widget->mapTo(screen, widget->rect().center());
}

}  // namespace

class PrintKeyboardTest : public QObject {
  Q_OBJECT
 private:
  static void addScreens() {
    QTest::addColumn<Screen>("which");
    QTest::addColumn<QString>("first");  // the first focus
    QTest::addColumn<QString>("print");  // the button Enter and Ctrl+P press
    QTest::newRow("acceptance") << Screen::Acceptance << u"btnStampa"_s << u"btnStampa"_s;
    QTest::newRow("recipient side") << Screen::RecipientSide << u"btnStampa"_s << u"btnStampa"_s;
    QTest::newRow("card") << Screen::Card << u"btnStampa"_s << u"btnStampa"_s;
    QTest::newRow("envelope") << Screen::Envelope << u"optDL"_s << u"btnStampa"_s;
    QTest::newRow("batch") << Screen::Batch << u"optTutte"_s << u"btnStampa"_s;
    QTest::newRow("calibration") << Screen::Calibration << u"txtBasso"_s << u"btnStampaFoglio"_s;
  }

 private slots:
  void tabFollowsReadingOrderFromTheFirstFocus_data() { addScreens(); }
  void tabFollowsReadingOrderFromTheFirstFocus() {
    QFETCH(Screen, which);
    QFETCH(QString, first);
    TestFolder folder;
    writeUnsent(folder);
    Opened o = open(which);
    QWidget* screen = o.screen.get();
    QWidget* start = QApplication::focusWidget();
    QVERIFY(start);
    QCOMPARE(start->objectName(), first);

    // Once round the chain from the top-left control: each stop lies right of
    // the one before on its row, or on a lower row.
    QList<QWidget*> chain;
    for (int i = 0; i < 60 && !chain.contains(QApplication::focusWidget()); ++i) {
      chain << QApplication::focusWidget();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QVERIFY(chain.size() >= 3);
    const qsizetype top = std::min_element(chain.begin(), chain.end(),
                                           [screen](auto* a, auto* b) {
                                             const QPoint pa = middle(a, screen),
                                                          pb = middle(b, screen);
                                             return pa.y() + 10 < pb.y() ||
                                                    (qAbs(pa.y() - pb.y()) < 10 && pa.x() < pb.x());
                                           }) -
                          chain.begin();
    const QList<QWidget*> reading = chain.mid(top) + chain.mid(0, top);
    for (qsizetype i = 1; i < reading.size(); ++i) {
      const QPoint before = middle(reading[i - 1], screen);
      const QPoint now = middle(reading[i], screen);
      QVERIFY2(
          now.y() > before.y() + 10 || (qAbs(now.y() - before.y()) < 10 && now.x() > before.x()),
          qPrintable(reading[i - 1]->objectName() + u" then "_s + reading[i]->objectName()));
    }
    QVERIFY(chain.contains(screen->findChild<QWidget*>(u"btnAnnulla"_s)));
  }

  void enterAndCtrlPPrint_data() { addScreens(); }
  void enterAndCtrlPPrint() {
    QFETCH(Screen, which);
    QFETCH(QString, print);
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Return), QKeySequence(QKeySequence::Print)}) {
      TestFolder folder;
      writeUnsent(folder);
      RecordingMessages messages;
      PdfPrintService printer;
      printer.answer = PdfPrintService::Answer::Cancel;
      Opened o = open(which);
      auto* button = o.screen->findChild<QPushButton*>(print);
      QVERIFY(button);
      QVERIFY(button->isDefault());
      QTest::keySequence(QApplication::focusWidget(), key);
      // A shortcut presses its button the way a click looks: a moment later.
      QTRY_COMPARE(printer.jobs.size(), size_t(1));
      QVERIFY2(messages.count() == 0, qPrintable(key.toString()));
    }
  }

  void buttonsAreReadByTheWordsTheyShow_data() { addScreens(); }
  void buttonsAreReadByTheWordsTheyShow() {
    QFETCH(Screen, which);
    TestFolder folder;
    writeUnsent(folder);
    Opened o = open(which);
    // What a screen reader is told.
    auto spoken = [](QWidget* widget) {
      return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    for (QAbstractButton* button : o.screen->findChildren<QAbstractButton*>()) {
      const QString shown = button->text().remove(u'&').remove(u"..."_s).trimmed();
      const QString name = spoken(button);
      QVERIFY2(!name.isEmpty(), qPrintable(button->objectName()));
      if (std::any_of(shown.begin(), shown.end(), [](QChar c) { return c.isLetter(); }))
        QVERIFY2(name.contains(shown, Qt::CaseInsensitive),
                 qPrintable(button->objectName() + u": "_s + name));
    }
    auto* cancel = o.screen->findChild<QPushButton*>(u"btnAnnulla"_s);
    QVERIFY(cancel);
    QCOMPARE(spoken(cancel), u"Annulla"_s);
  }

  // The notice that the print is under way takes room kept for it.
  void theNoticeDoesNotWidenTheScreen() {
    TestFolder folder;
    Opened o = open(Screen::RecipientSide);
    const QSize before = o.screen->size();
    o.screen->findChild<QLabel*>(u"lblAttendere"_s)->show();
    QApplication::processEvents();
    QCOMPARE(o.screen->size(), before);
  }
};

QTEST_MAIN(PrintKeyboardTest)
#include "tst_printkeyboard.moc"
