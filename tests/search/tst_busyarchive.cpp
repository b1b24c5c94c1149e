#include <QTest>
#include <memory>

#include "archive/archiveerror.h"
#include "fixtures.h"
#include "screenhelpers.h"
#include "search/tfrmimportaanagrafica.h"
#include "search/tfrmquestioni.h"
#include "search/tfrmtrovaanagrafica.h"
#include "support/otherstation.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using namespace ScreenHelpers;
using namespace std::chrono_literals;
using Form = RecordingMessages::Form;

namespace {

TSchedaAnagrafica card(const QString& name) {
  return Fixture::record<TSchedaAnagrafica>(
      {{u"Nome"_s, name}, {u"Indirizzo"_s, u"Via Roma"_s}, {u"Questioni"_s, u"Sollecito"_s}});
}

// A list screen over the address book, with the editor it fills.
struct ListOnAddressBook {
  TestFolder folder;
  RecordingMessages messages;
  LockTimingForTest timing{{.waitLimit = 300ms}};
  // The import fills a receipt's block; the others open the card itself.
  Fixture::Editor editor;
  std::unique_ptr<QDialog> screen;

  explicit ListOnAddressBook(const QString& kind)
      : editor(kind == u"import" ? acceptanceLayout() : addressBookLayout()) {
    folder.write(addressBookArchive().fileName,
                 Fixture::bytes(QList<TSchedaAnagrafica>{card(u"Rossi"_s), card(u"Bianchi"_s)}));
    if (kind == u"status list") {
      screen = std::make_unique<TfrmQuestioni>(&editor);
    } else {
      SearchScreen* search = nullptr;
      if (kind == u"import")
        search = new TfrmImportaAnagrafica(&editor, &editor);
      else
        search = new TfrmTrovaAnagrafica(&editor, &editor);
      search->setTag(kind == u"import" ? u"accettazione_des"_s : u"anagrafica"_s);
      screen.reset(search);
    }
  }
  QString archivePath() { return folder.filePath(addressBookArchive().fileName); }
  void expectBusyMessage() {
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Plain);
    QCOMPARE(messages.last().text, kArchiveBusyMessage);
  }
};

}  // namespace

// While another station holds the archive longer than an action waits, a
// list never passes for the archive's contents: the user is told.
class BusyArchiveTest : public QObject {
  Q_OBJECT
 private slots:
  void statusListSaysSoAndCloses() {
    ListOnAddressBook s(u"status list"_s);
    OtherStation other;
    other.hold(s.archivePath());
    s.screen->show();
    s.expectBusyMessage();
    QTRY_VERIFY(!s.screen->isVisible());
  }

  void searchSaysSoAndStaysOnItsFilters() {
    ListOnAddressBook s(u"search"_s);
    s.screen->show();
    OtherStation other;
    other.hold(s.archivePath());
    click(s.screen.get(), u"btnCerca"_s);
    s.expectBusyMessage();
    QVERIFY(s.screen->findChild<QWidget*>(u"panAvvio"_s)->isVisible());
    QVERIFY(!s.screen->findChild<QWidget*>(u"panContainer"_s)->isVisible());
  }

  // The list was read; by the double click another station holds the
  // archive. The screen stays for another try, and the editor is as it was.
  void doubleClickSaysSoAndLetsTheUserTryAgain_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("nameBox");
    QTest::newRow("status list") << u"status list"_s << u"txtNome"_s;
    QTest::newRow("search") << u"search"_s << u"txtNome"_s;
    QTest::newRow("import") << u"import"_s << u"txtDestinatario"_s;
  }
  void doubleClickSaysSoAndLetsTheUserTryAgain() {
    QFETCH(QString, kind);
    QFETCH(QString, nameBox);
    ListOnAddressBook s(kind);
    s.screen->show();
    if (kind != u"status list") click(s.screen.get(), u"btnCerca"_s);
    QCOMPARE(lines(s.screen.get()).size(), 2);

    auto other = std::make_unique<OtherStation>();
    other->hold(s.archivePath());
    doubleClickRow(s.screen.get(), 1);
    s.expectBusyMessage();
    QVERIFY(s.screen->isVisible());
    QCOMPARE(s.editor.position(), QString());
    QCOMPARE(s.editor.text(nameBox), QString());

    other.reset();
    doubleClickRow(s.screen.get(), 1);
    QVERIFY(!s.screen->isVisible());
    QCOMPARE(s.editor.text(nameBox), u"Bianchi"_s);
  }
};

QTEST_MAIN(BusyArchiveTest)
#include "tst_busyarchive.moc"
