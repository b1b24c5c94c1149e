#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "archive/archiveerror.h"
#include "editors/tfrmaccettazione.h"
#include "fixtures.h"
#include "screenhelpers.h"
#include "search/tfrmtrovaaccettazione.h"
#include "search/tfrmtrovaanagrafica.h"
#include "search/tfrmtrovaricevimento.h"
#include "support/pdfprintservice.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using namespace ScreenHelpers;
using Fixture::record;

namespace {

TSchedaRicevimento item(const QString& recipient, bool parcel, const Fixture::Fields& more = {}) {
  auto r = record<TSchedaRicevimento>({{u"Destinatario"_s, recipient},
                                       {u"Mittente"_s, u"Studio Neri"_s},
                                       {u"Data"_s, u"03/11/2015"_s},
                                       {u"Contenuto"_s, u"Atti"_s}});
  r.setFlag(u"Pacco", parcel);
  r.setFlag(u"Raccomandata", true);
  for (const auto& [name, text] : more) r.setText(name, text);
  return r;
}

QByteArray threeItems() {
  return Fixture::bytes(
      QList<TSchedaRicevimento>{item(u"Rossi Mario"_s, true, {{u"Data"_s, u"03/11/2014"_s}}),
                                item(u"Grossi"_s, false), item(u"Bianchi Rossi"_s, true)});
}

QStringList recipients(const QStringList& lines) {
  QStringList names;
  for (const QString& line : lines) names << line.mid(57, 30).trimmed();
  return names;
}

QLineEdit* box(QWidget* screen, const QString& name) { return screen->findChild<QLineEdit*>(name); }

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
    const QStringList all{u"Rossi Mario"_s, u"Grossi"_s, u"Bianchi Rossi"_s};
    QTest::newRow("all blank") << QStringList{} << all;
    QTest::newRow("blanks only") << QStringList{u"txtDestinatario"_s, u"   "_s} << all;
    QTest::newRow("anywhere in the field") << QStringList{u"txtDestinatario"_s, u"ross"_s} << all;
    QTest::newRow("outer blank kept")
        << QStringList{u"txtDestinatario"_s, u"rossi "_s} << QStringList{u"Rossi Mario"_s};
    QTest::newRow("year in the date")
        << QStringList{u"txtData"_s, u"2014"_s} << QStringList{u"Rossi Mario"_s};
    QTest::newRow("flag sì") << QStringList{u"txtPacco"_s, u"sì"_s}
                             << QStringList{u"Rossi Mario"_s, u"Bianchi Rossi"_s};
    QTest::newRow("flag s") << QStringList{u"txtPacco"_s, u"s"_s}
                            << QStringList{u"Rossi Mario"_s, u"Bianchi Rossi"_s};
    QTest::newRow("flag no") << QStringList{u"txtPacco"_s, u"no"_s} << QStringList{u"Grossi"_s};
    QTest::newRow("flag SÌ in capitals") << QStringList{u"txtPacco"_s, u"SÌ"_s} << QStringList{};
    QTest::newRow("two filters, both matching")
        << QStringList{u"txtDestinatario"_s, u"ROSS"_s, u"txtPacco"_s, u"no"_s}
        << QStringList{u"Grossi"_s};
    QTest::newRow("two filters, one failing")
        << QStringList{u"txtDestinatario"_s, u"bianchi"_s, u"txtPacco"_s, u"no"_s} << QStringList{};
  }
  void filtersSelectRecords() {
    QFETCH(QStringList, filters);
    QFETCH(QStringList, found);
    TestFolder folder;
    folder.write(returnReceiptArchive().fileName, threeItems());
    Screen s;
    for (int i = 0; i < filters.size(); i += 2) box(&s.screen, filters[i])->setText(filters[i + 1]);
    click(&s.screen, u"btnCerca"_s);

    QCOMPARE(recipients(lines(&s.screen)), found);
    QCOMPARE(labelText(&s.screen, u"lblTrovate"_s),
             u"Il presente riepilogo contiene %1 schede"_s.arg(found.size()));
    int set = 0;
    for (int i = 1; i < filters.size(); i += 2) set += filters[i].trimmed().isEmpty() ? 0 : 1;
    QCOMPARE(labelText(&s.screen, u"lblConta"_s), QString::number(set));
    QVERIFY(shown(&s.screen, u"panContainer"_s));
    QVERIFY(!shown(&s.screen, u"panAvvio"_s));
    QCOMPARE(s.focused(), u"txtTrova"_s);
  }

  void emptyArchiveShowsZero() {
    TestFolder folder;
    Screen s;
    QCOMPARE(labelText(&s.screen, u"lblTrovate"_s), u"Il presente riepilogo contiene 0 schede"_s);
    click(&s.screen, u"btnCerca"_s);
    QVERIFY(lines(&s.screen).isEmpty());
    QCOMPARE(labelText(&s.screen, u"lblTrovate"_s), u"Il presente riepilogo contiene 0 schede"_s);
    QVERIFY(shown(&s.screen, u"panContainer"_s));
  }

  void enterGoesRoundTheFiltersWithTheirFrames() {
    TestFolder folder;
    Screen s;
    QCOMPARE(s.focused(), u"txtDestinatario"_s);
    QVERIFY(shown(&s.screen, u"effDestinatario"_s));
    QStringList visited;
    for (int i = 0; i < 10; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      visited << s.focused();
    }
    QCOMPARE(visited,
             (QStringList{u"txtLocalitaDes"_s, u"txtMittente"_s, u"txtLocalitaMit"_s,
                          u"txtRaccomandata"_s, u"txtPacco"_s, u"txtAssicurata"_s, u"txtUfficio"_s,
                          u"txtData"_s, u"txtContenuto"_s, u"txtDestinatario"_s}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(shown(&s.screen, u"effLocalitaDes"_s));
    QVERIFY(!shown(&s.screen, u"effDestinatario"_s));
    QVERIFY(shown(&s.screen, u"panAvvio"_s));  // Enter never searches
    // The frame lies 4 pixels round its box, behind it.
    QCOMPARE(s.screen.findChild<QWidget*>(u"effLocalitaDes"_s)->geometry(),
             box(&s.screen, u"txtLocalitaDes"_s)->geometry().adjusted(-4, -4, 4, 4));
  }

  // The frame of a focused box reaches 4 pixels into the caption above it:
  // the caption's letters stay whole over it, the descender of "p" too.
  void theFrameLeavesTheCaptionWhole() {
    TestFolder folder;
    QWidget editor;
    TfrmTrovaAnagrafica screen(&editor);
    screen.show();
    QApplication::setActiveWindow(&screen);
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QWidget* panel = screen.findChild<QWidget*>(u"panAvvio"_s);
    const QRect caption = screen.findChild<QLabel*>(u"lblOccupazione"_s)->geometry();
    const auto dark = [&] {
      const QImage image = panel->grab(caption).toImage();
      QList<QPoint> points;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (qGray(image.pixel(x, y)) < 100) points << QPoint(x, y);
      return std::pair{image, points};
    };
    const auto [plain, letters] = dark();
    box(&screen, u"txtOccupazione"_s)->setFocus();
    QVERIFY(shown(&screen, u"effOccupazione"_s));
    const auto [framed, lettersOverFrame] = dark();
    QVERIFY(plain != framed);  // the frame does show through the caption
    QVERIFY(!letters.isEmpty());
    QCOMPARE(lettersOverFrame, letters);
  }

  // Minimised and restored by the window system, the result keeps its find
  // text and the focus stays where the user left it.
  void restoringTheWindowKeepsTheFindText() {
    TestFolder folder;
    folder.write(returnReceiptArchive().fileName, threeItems());
    Screen s;
    click(&s.screen, u"btnCerca"_s);
    auto* find = box(&s.screen, u"txtTrova"_s);
    find->setText(u"ross"_s);
    click(&s.screen, u"btnTrova"_s);
    QCOMPARE(chosenRow(&s.screen), 0);

    s.screen.showMinimized();
    QTRY_VERIFY(s.screen.isMinimized());
    s.screen.showNormal();
    QTRY_VERIFY(!s.screen.isMinimized());

    QCOMPARE(find->text(), u"ross"_s);
    QVERIFY(shown(&s.screen, u"panContainer"_s));
    QCOMPARE(lines(&s.screen).size(), 3);
    click(&s.screen, u"btnTrova"_s);
    QCOMPARE(chosenRow(&s.screen), 1);
  }

  void addressBookStartsOnTheName() {
    TestFolder folder;
    QWidget editor;
    TfrmTrovaAnagrafica screen(&editor);
    screen.show();
    QApplication::setActiveWindow(&screen);
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QCOMPARE(screen.windowTitle(), u" Trova dati anagrafici in archivio"_s);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"txtNome"_s);
    QCOMPARE(labelText(&screen, u"lblNote"_s), u"Note:"_s);
  }

  void archiveFailureIsReportedInAPlainBox() {
    TestFolder folder;
    RecordingMessages messages;
    folder.write(returnReceiptArchive().fileName, threeItems());
    folder.makeReadOnly(returnReceiptArchive().fileName);
    Screen s;
    QVERIFY(!shown(&s.screen, u"lblAttendere"_s));
    QWidget* search = s.screen.findChild<QWidget*>(u"btnCerca"_s);
    QTest::mousePress(search, Qt::LeftButton);
    QVERIFY(shown(&s.screen, u"lblAttendere"_s));
    QTest::mouseRelease(search, Qt::LeftButton);

    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, RecordingMessages::Form::Plain);
    QCOMPARE(messages.last().text, kArchiveAccessMessage);
    QVERIFY(shown(&s.screen, u"panAvvio"_s));
    QVERIFY(shown(&s.screen, u"lblAttendere"_s));

    click(&s.screen, u"btnAnnulla"_s);
    QVERIFY(!s.screen.isVisible());
    QVERIFY(!s.screen.findChild<QWidget*>(u"lblAttendere"_s)->isVisibleTo(&s.screen));
  }

  // The double click compares lines only: a record the filters left out
  // still wins when it is the later one with the same line. It loads only
  // when the tag is the screen's word.
  void doubleClickLoadsWhenTheTagIsTheScreensWord_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("loads");
    QTest::newRow("own word") << u"ricevimento"_s << true;
    QTest::newRow("own word in blanks") << u" ricevimento "_s << true;
    QTest::newRow("capital") << u"Ricevimento"_s << false;
    QTest::newRow("another screen's word") << u"accettazione"_s << false;
    QTest::newRow("no tag") << QString() << false;
  }
  void doubleClickLoadsWhenTheTagIsTheScreensWord() {
    QFETCH(QString, tag);
    QFETCH(bool, loads);
    TestFolder folder;
    folder.write(returnReceiptArchive().fileName,
                 Fixture::bytes(QList<TSchedaRicevimento>{
                     item(u"Verdi"_s, true, {{u"Ufficio"_s, u"Roma"_s}}), item(u"Neri"_s, true),
                     item(u"Verdi"_s, false, {{u"Ufficio"_s, u"Milano"_s}, {u"N01"_s, u"A"_s}})}));
    Fixture::Editor editor(returnReceiptLayout());
    editor.setText(u"txtUfficio"_s, u"prima"_s);
    editor.check(u"chkPacco"_s)->setChecked(true);
    TfrmTrovaRicevimento screen(&editor, &editor);
    screen.setTag(tag);
    screen.show();
    QTest::keyClicks(box(&screen, u"txtUfficio"_s), u"roma"_s);
    click(&screen, u"btnCerca"_s);
    QCOMPARE(recipients(lines(&screen)), QStringList{u"Verdi"_s});

    doubleClickRow(&screen, 0);
    QVERIFY(!screen.isVisible());
    QCOMPARE(labelText(&screen, u"lblMemory"_s), tag);  // the screen never changes it
    QCOMPARE(editor.text(u"txtUfficio"_s), loads ? u"Milano"_s : u"prima"_s);
    QCOMPARE(editor.text(u"txtN01"_s), loads ? u"A"_s : QString());
    QCOMPARE(editor.position(), loads ? u"3"_s : QString());
    QCOMPARE(editor.check(u"chkPacco"_s)->isChecked(), !loads);
    QCOMPARE(editor.check(u"chkRaccomandata"_s)->isChecked(), loads);
  }

  // The search screen's own boxes bear the editor's names; the record must
  // land in the real workspace underneath, not in the filters.
  void doubleClickFillsTheRealWorkspace() {
    TestFolder folder;
    auto letter = record<TSchedaAccettazione>({{u"Destinatario"_s, u"Verdi"_s},
                                               {u"Mittente"_s, u"Neri"_s},
                                               {u"Data"_s, u"01/01/2026"_s},
                                               {u"Contenuto"_s, u"Atti"_s}});
    letter.setFlag(u"Inviata", true);
    folder.write(acceptanceArchive().fileName,
                 Fixture::bytes(QList<TSchedaAccettazione>{letter, letter}));
    TfrmAccettazione workspace;
    workspace.show();
    TfrmTrovaAccettazione screen(&workspace, &workspace);
    screen.setTag(u"accettazione"_s);
    screen.show();
    click(&screen, u"btnCerca"_s);
    QCOMPARE(lines(&screen).size(), 2);
    doubleClickRow(&screen, 0);

    QCOMPARE(workspace.findChild<QLineEdit*>(u"txtDestinatario"_s)->text(), u"Verdi"_s);
    QCOMPARE(workspace.findChild<QLabel*>(u"lblPosizione"_s)->text(), u"2"_s);
    QCOMPARE(box(&screen, u"txtMittente"_s)->text(), QString());
  }

  void resultPanelFindsAndPrintsWithTheSearchTitle() {
    TestFolder folder;
    RecordingMessages messages;
    folder.write(returnReceiptArchive().fileName, threeItems());
    PdfPrintService printer;
    Screen s;
    click(&s.screen, u"btnCerca"_s);
    QTest::keyClicks(box(&s.screen, u"txtTrova"_s), u"bianchi"_s);
    click(&s.screen, u"btnTrova"_s);
    QCOMPARE(chosenRow(&s.screen), 2);

    click(&s.screen, u"btnStampa"_s);
    QCOMPARE(printer.jobs.size(), size_t(1));
    const std::vector<Page>& pages = printer.jobs.front();
    QCOMPARE(findBox(pages.front(), u"txtTitolo"_s)->text, u"Avvisi di Ricevimento"_s);
    QCOMPARE(findBox(pages.front(), u"txtRiepilogo"_s)->text.split(u'\n'), lines(&s.screen));
    QCOMPARE(messages.count(), 0);
  }
};

QTEST_MAIN(SearchScreenTest)
#include "tst_searchscreens.moc"
