#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "fixtures.h"
#include "screenhelpers.h"
#include "search/tfrmimportaanagrafica.h"
#include "search/tfrmquestioni.h"
#include "search/tfrmtrovaanagrafica.h"
#include "support/pdfprintservice.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using namespace ScreenHelpers;

namespace {

TSchedaAnagrafica card(const QString& name) {
  return Fixture::record<TSchedaAnagrafica>(
      {{u"Nome"_s, name}, {u"Indirizzo"_s, u"Via "_s + name}, {u"Questioni"_s, u"Sollecito"_s}});
}

QString focused() {
  return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* target = QApplication::focusWidget();
  QVERIFY(target);
  QTest::keyClick(target, Qt::Key(key), modifiers);
}

void addKinds() {
  QTest::addColumn<QString>("kind");
  for (const char* kind : {"status list", "search", "import"})
    QTest::newRow(kind) << QString::fromLatin1(kind);
}

// The three lists that show address-book cards -- pending matters, the
// search and the import into a receipt -- over three cards, and the editor
// each one fills.
struct CardList {
  TestFolder folder;
  RecordingMessages messages;
  QString kind;
  Fixture::Editor editor;
  std::unique_ptr<QDialog> screen;

  explicit CardList(const QString& kind, const QList<TSchedaAnagrafica>& cards)
      : kind(kind), editor(kind == u"import" ? acceptanceLayout() : addressBookLayout()) {
    folder.write(addressBookArchive().fileName, Fixture::bytes(cards));
    if (kind == u"status list") {
      screen = std::make_unique<TfrmQuestioni>(&editor);
    } else {
      SearchScreen* search = kind == u"import"
                                 ? static_cast<SearchScreen*>(new TfrmImportaAnagrafica(&editor))
                                 : new TfrmTrovaAnagrafica(&editor);
      search->setTag(kind == u"import" ? u"accettazione_des"_s : u"anagrafica"_s);
      screen.reset(search);
    }
    screen->show();
    QApplication::setActiveWindow(screen.get());
    if (!QTest::qWaitForWindowActive(screen.get())) qWarning("screen not active");
  }

  // On the searches: Tab from the first filter to "Cerca", and Enter.
  void searchFromTheKeyboard() {
    if (kind == u"status list") return;
    for (int tabs = 0; tabs < 20 && focused() != u"btnCerca"; ++tabs) press(Qt::Key_Tab);
    QCOMPARE(focused(), u"btnCerca"_s);
    press(Qt::Key_Return);
  }

  QString chosenName() { return line(screen.get(), chosenRow(screen.get())).data().toString(); }
  // The box the card's name goes into.
  QString nameFilled() {
    return editor.text(kind == u"import" ? u"txtDestinatario"_s : u"txtNome"_s);
  }
};

}  // namespace

// A list used from the keyboard alone: find, move along the lines, open
// one, print.
class ListKeysTest : public QObject {
  Q_OBJECT
 private slots:
  // Down from the find box goes into the list on the chosen line, the
  // arrows move the choice, Ctrl+F goes back to the find box, and Enter (the
  // keypad's too) opens the chosen line as a double click does.
  void aLineIsOpenedFromTheKeyboardAlone_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("enter");
    QTest::addColumn<int>("modifiers");
    for (const char* kind : {"status list", "search", "import"}) {
      QTest::addRow("%s, Enter", kind)
          << QString::fromLatin1(kind) << int(Qt::Key_Return) << int(Qt::NoModifier);
      QTest::addRow("%s, keypad Enter", kind)
          << QString::fromLatin1(kind) << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
  }
  void aLineIsOpenedFromTheKeyboardAlone() {
    QFETCH(QString, kind);
    QFETCH(int, enter);
    QFETCH(int, modifiers);
    CardList s(kind, {card(u"Rossi"_s), card(u"Bianchi"_s), card(u"Verdi"_s)});
    s.searchFromTheKeyboard();
    QCOMPARE(focused(), u"txtTrova"_s);
    QCOMPARE(lines(s.screen.get()).size(), 3);

    QTest::keyClicks(QApplication::focusWidget(), u"bianchi"_s);
    press(Qt::Key_Return);  // to "Trova"
    press(Qt::Key_Return);  // "Trova" finds the line
    QCOMPARE(chosenRow(s.screen.get()), 1);
    press(Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(focused(), u"txtTrova"_s);

    press(Qt::Key_Down);
    QCOMPARE(focused(), u"lstRecords"_s);
    QCOMPARE(chosenRow(s.screen.get()), 1);
    press(Qt::Key_Down);
    QCOMPARE(chosenRow(s.screen.get()), 2);
    press(Qt::Key_Up);
    QCOMPARE(chosenRow(s.screen.get()), 1);
    QVERIFY(s.chosenName().startsWith(u"Bianchi"_s));

    press(enter, Qt::KeyboardModifiers(modifiers));
    QVERIFY(!s.screen->isVisible());
    QCOMPARE(s.nameFilled(), u"Bianchi"_s);
    QCOMPARE(s.messages.count(), 0);
  }

  // With nothing chosen, Down chooses the first line; on an empty list it
  // only moves the focus, and Enter there opens nothing.
  void downChoosesTheFirstLineAndEnterNeedsOne_data() { addKinds(); }
  void downChoosesTheFirstLineAndEnterNeedsOne() {
    QFETCH(QString, kind);
    {
      CardList s(kind, {card(u"Rossi"_s), card(u"Bianchi"_s)});
      s.searchFromTheKeyboard();
      QCOMPARE(chosenRow(s.screen.get()), -1);
      press(Qt::Key_Down);
      QCOMPARE(focused(), u"lstRecords"_s);
      QCOMPARE(chosenRow(s.screen.get()), 0);
    }
    CardList s(kind, {});
    s.searchFromTheKeyboard();
    press(Qt::Key_Down);
    QCOMPARE(focused(), u"lstRecords"_s);
    QCOMPARE(chosenRow(s.screen.get()), -1);
    press(Qt::Key_Return);
    QVERIFY(s.screen->isVisible());
    QCOMPARE(s.nameFilled(), QString());
    QCOMPARE(s.messages.count(), 0);
  }

  // Ctrl+P is "Stampa" wherever a list is shown, and shown in its tooltip;
  // on a search's filters, where no list is shown yet, it prints nothing.
  void ctrlPPrintsTheSummary_data() { addKinds(); }
  void ctrlPPrintsTheSummary() {
    QFETCH(QString, kind);
    CardList s(kind, {card(u"Rossi"_s)});
    PdfPrintService printer;
    auto* print = s.screen->findChild<QPushButton*>(u"btnStampa"_s);
    QVERIFY(
        print->toolTip().contains(QKeySequence(u"Ctrl+P"_s).toString(QKeySequence::NativeText)));
    if (kind != u"status list") {
      press(Qt::Key_P, Qt::ControlModifier);
      QTest::qWait(300);
      QVERIFY(printer.documentNames.isEmpty());
      s.searchFromTheKeyboard();
    }
    press(Qt::Key_Down);
    press(Qt::Key_P, Qt::ControlModifier);
    // A button pressed by its key shows itself pressed for a moment first.
    QTRY_COMPARE(printer.documentNames, QStringList{u"Riepilogo dati"_s});
    QCOMPARE(printer.jobs.size(), size_t(1));
  }
};

QTEST_MAIN(ListKeysTest)
#include "tst_listkeys.moc"
