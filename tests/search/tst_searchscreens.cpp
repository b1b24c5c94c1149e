#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "archive/archiveerror.h"
#include "editors/tfrmaccettazione.h"
#include "fixtures.h"
#include "support/pdfprintservice.h"
#include "screenhelpers.h"
#include "search/tfrmtrovaaccettazione.h"
#include "search/tfrmtrovaanagrafica.h"
#include "search/tfrmtrovaricevimento.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

using namespace ScreenHelpers;
using Fixture::record;

namespace {

TSchedaRicevimento item(const QString& recipient, bool parcel, const Fixture::Fields& more = {}) {
  auto r = record<TSchedaRicevimento>({{u"Destinatario"_qs, recipient},
                                       {u"Mittente"_qs, u"Studio Neri"_qs},
                                       {u"Data"_qs, u"03/11/2015"_qs},
                                       {u"Contenuto"_qs, u"Atti"_qs}});
  r.setFlag(u"Pacco", parcel);
  r.setFlag(u"Raccomandata", true);
  for (const auto& [name, text] : more) r.setText(name, text);
  return r;
}

QByteArray threeItems() {
  return Fixture::bytes(QList<TSchedaRicevimento>{
      item(u"Rossi Mario"_qs, true, {{u"Data"_qs, u"03/11/2014"_qs}}),
      item(u"Grossi"_qs, false), item(u"Bianchi Rossi"_qs, true)});
}

QStringList recipients(const QStringList& lines) {
  QStringList names;
  for (const QString& line : lines) names << line.mid(57, 30).trimmed();
  return names;
}

QLineEdit* box(QWidget* screen, const QString& name) {
  return screen->findChild<QLineEdit*>(name);
}

QString labelText(QWidget* screen, const QString& name) {
  return screen->findChild<QLabel*>(name)->text();
}

bool shown(QWidget* screen, const QString& name) {
  return screen->findChild<QWidget*>(name)->isVisible();
}

struct Screen {
  QWidget editor;
  TfrmTrovaRicevimento screen{&editor};
  Screen() {
    screen.show();
    QApplication::setActiveWindow(&screen);
    if (!QTest::qWaitForWindowActive(&screen)) qWarning("screen not active");
  }
  QString focused() const {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
  }
};

const TextBox* findBox(const Page& page, const QString& name) {
  for (const PageItem& i : page.items())
    if (const auto* b = std::get_if<TextBox>(&i); b && b->name == name) return b;
  return nullptr;
}

}  // namespace

class SearchScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void filtersSelectRecords_data() {
    QTest::addColumn<QStringList>("filters");  // box, text, box, text...
    QTest::addColumn<QStringList>("found");
    const QStringList all{u"Rossi Mario"_qs, u"Grossi"_qs, u"Bianchi Rossi"_qs};
    QTest::newRow("all blank") << QStringList{} << all;
    QTest::newRow("blanks only") << QStringList{u"txtDestinatario"_qs, u"   "_qs} << all;
    QTest::newRow("anywhere in the field") << QStringList{u"txtDestinatario"_qs, u"ross"_qs}
                                           << all;
    QTest::newRow("outer blank kept") << QStringList{u"txtDestinatario"_qs, u"rossi "_qs}
                                      << QStringList{u"Rossi Mario"_qs};
    QTest::newRow("year in the date") << QStringList{u"txtData"_qs, u"2014"_qs}
                                      << QStringList{u"Rossi Mario"_qs};
    QTest::newRow("flag sì") << QStringList{u"txtPacco"_qs, u"sì"_qs}
                             << QStringList{u"Rossi Mario"_qs, u"Bianchi Rossi"_qs};
    QTest::newRow("flag s") << QStringList{u"txtPacco"_qs, u"s"_qs}
                            << QStringList{u"Rossi Mario"_qs, u"Bianchi Rossi"_qs};
    QTest::newRow("flag no") << QStringList{u"txtPacco"_qs, u"no"_qs}
                             << QStringList{u"Grossi"_qs};
    QTest::newRow("flag SÌ in capitals") << QStringList{u"txtPacco"_qs, u"SÌ"_qs}
                                         << QStringList{};
    QTest::newRow("two filters, both matching")
        << QStringList{u"txtDestinatario"_qs, u"ROSS"_qs, u"txtPacco"_qs, u"no"_qs}
        << QStringList{u"Grossi"_qs};
    QTest::newRow("two filters, one failing")
        << QStringList{u"txtDestinatario"_qs, u"bianchi"_qs, u"txtPacco"_qs, u"no"_qs}
        << QStringList{};
  }
  void filtersSelectRecords() {
    QFETCH(QStringList, filters);
    QFETCH(QStringList, found);
    TestFolder folder;
    folder.write(returnReceiptArchive().fileName, threeItems());
    Screen s;
    for (int i = 0; i < filters.size(); i += 2)
      box(&s.screen, filters[i])->setText(filters[i + 1]);
    click(&s.screen, u"btnCerca"_qs);

    QCOMPARE(recipients(lines(&s.screen)), found);
    QCOMPARE(labelText(&s.screen, u"lblTrovate"_qs),
             u"Il presente riepilogo contiene %1 schede"_qs.arg(found.size()));
    int set = 0;
    for (int i = 1; i < filters.size(); i += 2) set += filters[i].trimmed().isEmpty() ? 0 : 1;
    QCOMPARE(labelText(&s.screen, u"lblConta"_qs), QString::number(set));
    QVERIFY(shown(&s.screen, u"panContainer"_qs));
    QVERIFY(!shown(&s.screen, u"panAvvio"_qs));
    QCOMPARE(s.focused(), u"txtTrova"_qs);
  }

  void emptyArchiveShowsZero() {
    TestFolder folder;
    Screen s;
    QCOMPARE(labelText(&s.screen, u"lblTrovate"_qs), u"Il presente riepilogo contiene 0 schede"_qs);
    click(&s.screen, u"btnCerca"_qs);
    QVERIFY(lines(&s.screen).isEmpty());
    QCOMPARE(labelText(&s.screen, u"lblTrovate"_qs), u"Il presente riepilogo contiene 0 schede"_qs);
    QVERIFY(shown(&s.screen, u"panContainer"_qs));
  }

  void enterGoesRoundTheFiltersWithTheirFrames() {
    TestFolder folder;
    Screen s;
    QCOMPARE(s.focused(), u"txtDestinatario"_qs);
    QVERIFY(shown(&s.screen, u"effDestinatario"_qs));
    QStringList visited;
    for (int i = 0; i < 10; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      visited << s.focused();
    }
    QCOMPARE(visited, (QStringList{u"txtLocalitaDes"_qs, u"txtMittente"_qs, u"txtLocalitaMit"_qs,
                                   u"txtRaccomandata"_qs, u"txtPacco"_qs, u"txtAssicurata"_qs,
                                   u"txtUfficio"_qs, u"txtData"_qs, u"txtContenuto"_qs,
                                   u"txtDestinatario"_qs}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(shown(&s.screen, u"effLocalitaDes"_qs));
    QVERIFY(!shown(&s.screen, u"effDestinatario"_qs));
    QVERIFY(shown(&s.screen, u"panAvvio"_qs));  // Enter never searches
    // The frame lies 4 pixels round its box, behind it.
    QCOMPARE(s.screen.findChild<QWidget*>(u"effLocalitaDes"_qs)->geometry(),
             box(&s.screen, u"txtLocalitaDes"_qs)->geometry().adjusted(-4, -4, 4, 4));
  }

  // Minimised and restored by the window system, the result keeps its find
  // text and the focus stays where the user left it.
  void restoringTheWindowKeepsTheFindText() {
    TestFolder folder;
    folder.write(returnReceiptArchive().fileName, threeItems());
    Screen s;
    click(&s.screen, u"btnCerca"_qs);
    auto* find = box(&s.screen, u"txtTrova"_qs);
    find->setText(u"ross"_qs);
    click(&s.screen, u"btnTrova"_qs);
    QCOMPARE(chosenRow(&s.screen), 0);

    s.screen.showMinimized();
    QTRY_VERIFY(s.screen.isMinimized());
    s.screen.showNormal();
    QTRY_VERIFY(!s.screen.isMinimized());

    QCOMPARE(find->text(), u"ross"_qs);
    QVERIFY(shown(&s.screen, u"panContainer"_qs));
    QCOMPARE(lines(&s.screen).size(), 3);
    click(&s.screen, u"btnTrova"_qs);
    QCOMPARE(chosenRow(&s.screen), 1);
  }

  void addressBookStartsOnTheName() {
    TestFolder folder;
    QWidget editor;
    TfrmTrovaAnagrafica screen(&editor);
    screen.show();
    QApplication::setActiveWindow(&screen);
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QCOMPARE(screen.windowTitle(), u" Trova dati anagrafici in archivio"_qs);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"txtNome"_qs);
    QCOMPARE(labelText(&screen, u"lblNote"_qs), u"Note:"_qs);
  }

  void archiveFailureIsReportedInAPlainBox() {
    TestFolder folder;
    RecordingMessages messages;
    folder.write(returnReceiptArchive().fileName, threeItems());
    folder.makeReadOnly(returnReceiptArchive().fileName);
    Screen s;
    QVERIFY(!shown(&s.screen, u"lblAttendere"_qs));
    QWidget* search = s.screen.findChild<QWidget*>(u"btnCerca"_qs);
    QTest::mousePress(search, Qt::LeftButton);
    QVERIFY(shown(&s.screen, u"lblAttendere"_qs));
    QTest::mouseRelease(search, Qt::LeftButton);

    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, RecordingMessages::Form::Plain);
    QCOMPARE(messages.last().text, kArchiveAccessMessage);
    QVERIFY(shown(&s.screen, u"panAvvio"_qs));
    QVERIFY(shown(&s.screen, u"lblAttendere"_qs));

    click(&s.screen, u"btnAnnulla"_qs);
    QVERIFY(!s.screen.isVisible());
    QVERIFY(!s.screen.findChild<QWidget*>(u"lblAttendere"_qs)->isVisibleTo(&s.screen));
  }

  // The double click compares lines only: a record the filters left out
  // still wins when it is the later one with the same line. It loads only
  // when the tag is the screen's word.
  void doubleClickLoadsWhenTheTagIsTheScreensWord_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("loads");
    QTest::newRow("own word") << u"ricevimento"_qs << true;
    QTest::newRow("own word in blanks") << u" ricevimento "_qs << true;
    QTest::newRow("capital") << u"Ricevimento"_qs << false;
    QTest::newRow("another screen's word") << u"accettazione"_qs << false;
    QTest::newRow("no tag") << QString() << false;
  }
  void doubleClickLoadsWhenTheTagIsTheScreensWord() {
    QFETCH(QString, tag);
    QFETCH(bool, loads);
    TestFolder folder;
    folder.write(returnReceiptArchive().fileName,
                 Fixture::bytes(QList<TSchedaRicevimento>{
                     item(u"Verdi"_qs, true, {{u"Ufficio"_qs, u"Roma"_qs}}),
                     item(u"Neri"_qs, true),
                     item(u"Verdi"_qs, false, {{u"Ufficio"_qs, u"Milano"_qs},
                                               {u"N01"_qs, u"A"_qs}})}));
    Fixture::Editor editor(returnReceiptLayout());
    editor.setText(u"txtUfficio"_qs, u"prima"_qs);
    editor.check(u"chkPacco"_qs)->setChecked(true);
    TfrmTrovaRicevimento screen(&editor, &editor);
    screen.setTag(tag);
    screen.show();
    QTest::keyClicks(box(&screen, u"txtUfficio"_qs), u"roma"_qs);
    click(&screen, u"btnCerca"_qs);
    QCOMPARE(recipients(lines(&screen)), QStringList{u"Verdi"_qs});

    doubleClickRow(&screen, 0);
    QVERIFY(!screen.isVisible());
    QCOMPARE(labelText(&screen, u"lblMemory"_qs), tag);  // the screen never changes it
    QCOMPARE(editor.text(u"txtUfficio"_qs), loads ? u"Milano"_qs : u"prima"_qs);
    QCOMPARE(editor.text(u"txtN01"_qs), loads ? u"A"_qs : QString());
    QCOMPARE(editor.position(), loads ? u"3"_qs : QString());
    QCOMPARE(editor.check(u"chkPacco"_qs)->isChecked(), !loads);
    QCOMPARE(editor.check(u"chkRaccomandata"_qs)->isChecked(), loads);
  }

  // The search screen's own boxes bear the editor's names; the record must
  // land in the real workspace underneath, not in the filters.
  void doubleClickFillsTheRealWorkspace() {
    TestFolder folder;
    auto letter = record<TSchedaAccettazione>({{u"Destinatario"_qs, u"Verdi"_qs},
                                               {u"Mittente"_qs, u"Neri"_qs},
                                               {u"Data"_qs, u"01/01/2026"_qs},
                                               {u"Contenuto"_qs, u"Atti"_qs}});
    letter.setFlag(u"Inviata", true);
    folder.write(acceptanceArchive().fileName,
                 Fixture::bytes(QList<TSchedaAccettazione>{letter, letter}));
    TfrmAccettazione workspace;
    workspace.show();
    TfrmTrovaAccettazione screen(&workspace, &workspace);
    screen.setTag(u"accettazione"_qs);
    screen.show();
    click(&screen, u"btnCerca"_qs);
    QCOMPARE(lines(&screen).size(), 2);
    doubleClickRow(&screen, 0);

    QCOMPARE(workspace.findChild<QLineEdit*>(u"txtDestinatario"_qs)->text(), u"Verdi"_qs);
    QCOMPARE(workspace.findChild<QLabel*>(u"lblPosizione"_qs)->text(), u"2"_qs);
    QCOMPARE(box(&screen, u"txtMittente"_qs)->text(), QString());
  }

  void resultPanelFindsAndPrintsWithTheSearchTitle() {
    TestFolder folder;
    RecordingMessages messages;
    folder.write(returnReceiptArchive().fileName, threeItems());
    PdfPrintService printer;
    Screen s;
    click(&s.screen, u"btnCerca"_qs);
    QTest::keyClicks(box(&s.screen, u"txtTrova"_qs), u"bianchi"_qs);
    click(&s.screen, u"btnTrova"_qs);
    QCOMPARE(chosenRow(&s.screen), 2);

    click(&s.screen, u"btnStampa"_qs);
    QCOMPARE(printer.jobs.size(), size_t(1));
    const std::vector<Page>& pages = printer.jobs.front();
    QCOMPARE(findBox(pages.front(), u"txtTitolo"_qs)->text, u"Avvisi di Ricevimento"_qs);
    QCOMPARE(findBox(pages.front(), u"txtRiepilogo"_qs)->text.split(u'\n'), lines(&s.screen));
    QCOMPARE(messages.count(), 0);
  }
};

QTEST_MAIN(SearchScreenTest)
#include "tst_searchscreens.moc"
