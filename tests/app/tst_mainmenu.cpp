#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrlQuery>

#include "app/tfrmavvio.h"
#include "dialogs/guidetexts.h"
#include "dialogs/publisher.h"
#include "dialogs/tfrmguida.h"
#include "dialogs/tfrminfo.h"
#include "dialogs/tfrmsplash.h"
#include "editors/tfrmaccettazione.h"
#include "editors/tfrmanagrafica.h"
#include "support/recordingmessages.h"
#include "support/recordingshell.h"
#include "support/testfolder.h"
#include "widgets/linklabel.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

// Runs `inspect` on the modal dialog that `open` shows, then closes it.
template <typename Dialog>
void whileShown(const std::function<void()>& open, const std::function<void(Dialog*)>& inspect) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog) {
      seen = true;
      inspect(dialog);
      dialog->close();
    }
  });
  open();
  QVERIFY(seen);
}

// The name of what has the keyboard's focus; none when nothing has.
QString focused() {
  const QWidget* w = QApplication::focusWidget();
  return w ? w->objectName() : u"(nessuno)"_s;
}

QToolButton* picture(QWidget* w, const char* name) {
  return w->findChild<QToolButton*>(QString::fromLatin1(name));
}

}  // namespace

class MainMenuTest : public QObject {
  Q_OBJECT
 private slots:
  // Each workspace goes to the column of its archive, in whatever order the
  // workspaces are given.
  void everyPictureOfTheMiddleColumnOpensTheAcceptanceWorkspace() {
    TestFolder folder;
    TfrmAvvio menu;
    TfrmAnagrafica addressBook;
    TfrmAccettazione workspace;
    menu.addWorkspace(&workspace);
    menu.addWorkspace(&addressBook);
    menu.show();
    for (const char* name : {"imgAccettazione", "btnAccettazione", "appAccettazione"}) {
      picture(&menu, name)->click();
      QVERIFY(workspace.isVisible());
      QVERIFY(!addressBook.isVisible());
      QVERIFY(!menu.isVisible());
      workspace.findChild<QLineEdit*>(u"txtMittente"_s)->setText(u"non salvato"_s);
      picture(&workspace, "cmdEsci")->click();
      QVERIFY(!workspace.isVisible());
      QVERIFY(menu.isVisible());
    }
    picture(&menu, "imgAccettazione")->click();
    QCOMPARE(workspace.findChild<QLineEdit*>(u"txtMittente"_s)->text(), QString());
    workspace.close();  // the window's own close box
    QVERIFY(menu.isVisible());
    picture(&menu, "btnAnagrafica")->click();
    QVERIFY(addressBook.isVisible());
    QVERIFY(!workspace.isVisible());
    addressBook.close();
    QVERIFY(menu.isVisible());
  }

  // From the keyboard alone: the focus starts on the first column, Tab and
  // the arrow keys go round the entries in reading order, Enter, keypad
  // Enter and Space open the one in focus, and each entry's key opens it
  // from anywhere, as its tooltip says.
  void theMenuIsDrivenByKeysAlone() {
    TestFolder folder;
    TfrmAvvio menu;
    TfrmAccettazione workspace;
    menu.addWorkspace(&workspace);
    menu.show();
    QVERIFY(QTest::qWaitForWindowActive(&menu));
    // clang-format off
    const QStringList reading{u"imgInfo"_s,  u"imgGuida"_s,  u"btnAnagrafica"_s,
                              // clang-format on
                              u"btnAccettazione"_s, u"btnRicevimento"_s, u"imgSito"_s,
                              u"imgSplash"_s, u"imgEsci"_s};
    QCOMPARE(focused(), u"btnAnagrafica"_s);
    QStringList tabbed;
    for (int i = 0; i < reading.size(); ++i) {
      tabbed << focused();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(tabbed, reading.mid(2) + reading.mid(0, 2));
    QCOMPARE(focused(), u"btnAnagrafica"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(focused(), u"btnAccettazione"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(focused(), u"btnAccettazione"_s);

    const std::pair<Qt::Key, Qt::KeyboardModifiers> presses[] = {
        {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Enter, Qt::KeypadModifier},
        {Qt::Key_Space, Qt::NoModifier}};
    const auto backToTheMenu = [&] {
      QTRY_VERIFY(workspace.isVisible());
      workspace.close();
      QTRY_VERIFY(menu.isVisible());
      // A window manager makes the menu the active window again; the
      // offscreen platform has none.
      menu.activateWindow();
      QTRY_COMPARE(QApplication::activeWindow(), &menu);
    };
    for (const auto& [key, modifiers] : presses) {
      QTest::keyClick(QApplication::focusWidget(), key, modifiers);
      backToTheMenu();
      QCOMPARE(focused(), u"btnAccettazione"_s);
    }
    QTest::keyClick(&menu, Qt::Key_2, Qt::ControlModifier);
    backToTheMenu();

    QSignalSpy exit(&menu, &TfrmAvvio::exitRequested);
    QTest::keyClick(&menu, Qt::Key_Q, Qt::ControlModifier);
    QTRY_COMPARE(exit.count(), 1);
    for (const auto& [name, key] : {std::pair{"btnAccettazione", "Ctrl+2"},
                                    {"imgGuida", "F1"},
                                    {"imgInfo", "Shift+F1"},
                                    {"imgEsci", "Ctrl+Q"}}) {
      const QKeySequence sequence(QString::fromLatin1(key));
      QVERIFY2(picture(&menu, name)
                   ->toolTip()
                   .endsWith(u" ("_s + sequence.toString(QKeySequence::NativeText) + u')'),
               name);
    }
    // A key presses its entry as a click shown on screen, a moment later.
    QString guideTitle;
    QTimer::singleShot(500, [&] {
      if (auto* guide = qobject_cast<TfrmGuida*>(QApplication::activeModalWidget())) {
        guideTitle = guide->title();
        guide->close();
      }
    });
    QTest::keyClick(&menu, Qt::Key_F1);
    QTRY_COMPARE(guideTitle, u"Uno sguardo a Velinda"_s);
  }

  // What a screen reader says of each entry holds the words it shows.
  void entriesAreNamedByTheirWords() {
    TfrmAvvio menu;
    const std::pair<const char*, QString> shown[] = {
        {"btnAnagrafica", u"archivio anagrafico"_s},
        {"btnAccettazione", u"ricevute di accettazione"_s},
        {"btnRicevimento", u"avvisi di ricevimento"_s},
        {"imgSito", Publisher::kWebAddressShown}};
    for (const auto& [name, words] : shown)
      QVERIFY2(picture(&menu, name)->accessibleName().contains(words, Qt::CaseInsensitive), name);
  }

  void exitPictureAndWindowCloseEndTheProgram() {
    TfrmAvvio menu;
    QSignalSpy exit(&menu, &TfrmAvvio::exitRequested);
    menu.show();
    picture(&menu, "imgEsci")->click();
    QCOMPARE(exit.count(), 1);
    menu.close();
    QCOMPARE(exit.count(), 2);
  }

  void guideOpenedTwiceShowsTheSameOverview() {
    TfrmAvvio menu;
    menu.show();
    QStringList texts;
    for (int i = 0; i < 2; ++i) {
      whileShown<TfrmGuida>([&] { picture(&menu, "imgGuida")->click(); },
                            [&](TfrmGuida* guide) {
                              QCOMPARE(guide->title(), u"Uno sguardo a Velinda"_s);
                              texts << guide->text();
                            });
    }
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts[0], texts[1]);
    QCOMPARE(texts[0], GuideTexts::overview());
  }

  void overviewIsComposedOfTheWorkspaceGuides() {
    const QStringList p = GuideTexts::overview().split(u"\r\n\r\n"_s);
    QCOMPARE(p.size(), 29);
    QVERIFY(!GuideTexts::overview().startsWith(u'\r'));
    QVERIFY(!GuideTexts::overview().endsWith(u'\n'));
    QCOMPARE(p.mid(1, 6), GuideTexts::acceptanceParagraphs().mid(0, 6));
    QCOMPARE(p[7], GuideTexts::acceptanceParagraphs()[6] + u' ');
    QCOMPARE(p[8], GuideTexts::acceptanceParagraphs()[7]);
    QCOMPARE(p.mid(9, 7), GuideTexts::returnReceiptParagraphs());
    QCOMPARE(p.mid(16, 9), GuideTexts::addressBookParagraphs());
    QVERIFY(
        p[26].endsWith(u"la parola chiave \"girasolebianco\" (scritta senza le virgolette)."_s));
    QVERIFY(p[28].startsWith(u"Velinda è quindi lo strumento ideale"_s));
    QVERIFY(GuideTexts::addressBookParagraphs()[7].contains(u"Il campo \"E-mail\" è affiancato"_s));
  }

  void informationLinkWritesToSupport() {
    RecordingShell shell;
    TfrmInfo info;
    info.show();
    auto* link = info.findChild<LinkLabel*>(u"lnkWeb"_s);
    QCOMPARE(link->text(), Publisher::kSupportEmail);
    QTest::mouseClick(link, Qt::LeftButton);
    picture(&info, "imgEmail")->click();
    QCOMPARE(shell.opened.size(), 2);
    const QUrl url = shell.opened.first();
    QCOMPARE(url.scheme(), u"mailto"_s);
    QCOMPARE(url.path(), Publisher::kSupportEmail);
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue(u"subject"_s, QUrl::FullyDecoded), u"Software Velinda"_s);
    QCOMPARE(query.queryItemValue(u"body"_s, QUrl::FullyDecoded),
             u"Salve, desidererei avere le seguenti informazioni sul software in oggetto:"_s);
    QCOMPARE(shell.opened[1], url);
  }

  void guidePdfLinkOpensTheGuideBesideTheProgram() {
    TestFolder folder;
    RecordingShell shell;
    TfrmGuida guide;
    guide.setTopic(u"Titolo"_s, u"a\r\n\r\nb"_s);
    guide.show();
    auto* link = guide.findChild<LinkLabel*>(u"lnkWeb"_s);
    auto* icon = picture(&guide, "imgPDF");
    QTest::mousePress(icon, Qt::LeftButton);
    QVERIFY(link->isPressedLook());
    QTest::mouseRelease(icon, Qt::LeftButton);
    QVERIFY(!link->isPressedLook());
    QCOMPARE(shell.opened.size(), 1);
    QCOMPARE(shell.opened[0].toLocalFile(), folder.filePath(u"Guida.pdf"_s));
    // Without the file nothing else happens: the screen stays as it was.
    QVERIFY(guide.isVisible());
    QCOMPARE(guide.text(), u"a\r\n\r\nb"_s);
  }

  void splashLinkOpensTheWebSite() {
    RecordingShell shell;
    TfrmAvvio menu;
    menu.show();
    whileShown<TfrmSplash>([&] { picture(&menu, "imgSplash")->click(); },
                           [&](TfrmSplash* splash) { picture(splash, "imgWeb")->click(); });
    picture(&menu, "imgSito")->click();
    QCOMPARE(shell.opened.size(), 2);
    QCOMPARE(shell.opened[0], QUrl(Publisher::kWebAddress));
    QCOMPARE(shell.opened[1], QUrl(Publisher::kWebAddress));
  }
};

QTEST_MAIN(MainMenuTest)
#include "tst_mainmenu.moc"
