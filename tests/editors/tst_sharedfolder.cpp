#include <QFile>
#include <QTest>

#include "archive/archiveerror.h"
#include "archive/tarchivio.h"
#include "core/filelock.h"
#include "editors/editormessages.h"
#include "editors/editorworkflow.h"
#include "editors/tfrmanagrafica.h"
#include "editortexts.h"
#include "search/editorfill.h"
#include "support/otherstation.h"
#include "support/smalldisk.h"
#include "workspacefixture.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using Form = RecordingMessages::Form;
using namespace std::chrono_literals;

namespace {

const QString kAddressBook = u"Anagrafica.pro"_s;

TSchedaAnagrafica card(const QString& name) {
  TSchedaAnagrafica c;
  c.setText(u"Nome", name);
  c.setText(u"Localita", u"Forlì"_s);
  return c;
}

QByteArray cards(const QStringList& names) {
  QByteArray bytes;
  for (const QString& name : names) bytes += card(name).bytes();
  return bytes;
}

struct Screen : WorkspaceFixture<TfrmAnagrafica> {
  Screen() { folder.write(kAddressBook, cards({u"Rossi"_s, u"Bianchi"_s, u"Neri"_s})); }

  EditorWorkflow* workflow() { return window.workflow(); }
  QString name() { return box(u"txtNome"_s)->text(); }
  void setName(const QString& name) { box(u"txtNome"_s)->setText(name); }
  QString lockPath() { return FileLock::lockFilePath(folder.filePath(kAddressBook)); }

  // Another station saves card `n` with this name.
  void savedElsewhere(int n, const QString& name) {
    TArchivio archive(addressBookArchive());
    archive.Open();
    archive.WriteAt(n, card(name));
    archive.Close();
  }
  QString storedName(int n) {
    TSchedaAnagrafica c;
    c.bytes() = folder.read(kAddressBook).mid((n - 1) * c.bytes().size(), c.bytes().size());
    return c.text(u"Nome");
  }
  int questions() {
    int count = 0;
    for (const auto& entry : messages.entries) count += entry.form == Form::Question;
    return count;
  }
};

}  // namespace

class SharedFolderTest : public QObject {
  Q_OBJECT
 private slots:
  // Card 2 is on screen and changed to "Verdi"; meanwhile another station
  // may have saved card 2 as well.
  void saveNoticesAnotherStationsChange_data() {
    QTest::addColumn<QString>("shownBy");
    QTest::addColumn<QString>("elsewhere");       // another station's name; "" for none
    QTest::addColumn<QString>("duringQuestion");  // its next one, while asked
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("stored");

    const QList<bool> no{false};
    const QList<bool> yes{true};
    // clang-format off
    QTest::newRow("nobody else saved it") << "navigation" << "" << "" << yes << 0 << "Verdi";
    QTest::newRow("changed elsewhere, No keeps theirs")
        << "navigation" << "Bianchi & C." << "" << no << 1 << "Bianchi & C.";
    QTest::newRow("changed elsewhere, Yes overwrites")
        << "navigation" << "Bianchi & C." << "" << yes << 1 << "Verdi";
    QTest::newRow("the same change elsewhere") << "navigation" << "Verdi" << "" << yes << 0
                                               << "Verdi";
    QTest::newRow("opened from a list, changed elsewhere")
        << "list" << "Bianchi & C." << "" << no << 1 << "Bianchi & C.";
    QTest::newRow("saved here before, changed elsewhere")
        << "own save" << "Bianchi & C." << "" << no << 1 << "Bianchi & C.";
    // clang-format on
    QTest::newRow("changed again while asked: asked again")
        << "navigation"
        << "Bianchi & C."
        << "Bianchi spa" << QList<bool>{true, false} << 2 << "Bianchi spa";
  }
  void saveNoticesAnotherStationsChange() {
    QFETCH(QString, shownBy);
    QFETCH(QString, elsewhere);
    QFETCH(QString, duringQuestion);
    QFETCH(QList<bool>, answers);
    Screen s;
    if (shownBy == u"list") {
      EditorFill::loadRecord(&s.window, card(u"Bianchi"_s), 2);
    } else {
      s.workflow()->first();
      s.workflow()->next();
    }
    if (shownBy == u"own save") {
      s.setName(u"Bianchi srl"_s);
      s.workflow()->save();
    }
    QCOMPARE(s.position()->text(), u"2"_s);
    s.setName(u"Verdi"_s);
    if (!elsewhere.isEmpty()) s.savedElsewhere(2, elsewhere);

    s.messages.answers = answers;
    bool lockedWhileAsked = false;
    s.messages.onMessage = [&](const RecordingMessages::Entry& entry) {
      if (entry.form != Form::Question) return;
      lockedWhileAsked |= QFile::exists(s.lockPath());
      if (!duringQuestion.isEmpty()) {
        s.savedElsewhere(2, duringQuestion);
        duringQuestion.clear();
      }
    };
    s.messages.clear();
    s.workflow()->save();

    QFETCH(int, questions);
    QFETCH(QString, stored);
    QCOMPARE(s.questions(), questions);
    if (questions > 0) {
      QCOMPARE(s.messages.entries.first().text, EditorTexts::kChangedElsewhere);
      QVERIFY(!lockedWhileAsked);
    }
    QCOMPARE(s.storedName(2), stored);
    QCOMPARE(s.storedName(1), u"Rossi"_s);
    QCOMPARE(s.storedName(3), u"Neri"_s);
    // The card stays on screen under its number, saved or not.
    QCOMPARE(s.name(), u"Verdi"_s);
    QCOMPARE(s.position()->text(), u"2"_s);
    if (stored == u"Verdi") {
      QCOMPARE(s.messages.last().text, EditorTexts::kOverwritten);
    } else {
      QCOMPARE(s.messages.last().form, Form::Question);
    }
  }

  void changedElsewhereQuestion() {
    QCOMPARE(EditorMessages::kChangedElsewhere,
             u"Attenzione: nel frattempo un'altra postazione ha modificato questa scheda in "
             "archivio.\r\n\r\nSi vuole sovrascrivere le modifiche dell'altra postazione con "
             "i dati della scheda corrente?"_s);
  }

  // Another station holds the address book for longer than an action waits.
  void actionsOnABusyArchiveChangeNothing_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("labelOnceFree");
    // clang-format off
    QTest::newRow("save a new card") << "save" << "" << "4";
    QTest::newRow("save card 2") << "save" << "2" << "2";
    QTest::newRow("first") << "first" << "2" << "1";
    QTest::newRow("previous") << "previous" << "2" << "1";
    QTest::newRow("next") << "next" << "2" << "3";
    QTest::newRow("last") << "last" << "2" << "3";
    // clang-format on
  }
  void actionsOnABusyArchiveChangeNothing() {
    QFETCH(QString, action);
    QFETCH(QString, label);
    Screen s;
    const QByteArray before = s.folder.read(kAddressBook);
    s.setName(u"Verdi"_s);
    s.position()->setText(label);
    LockTimingForTest timing({.waitLimit = 300ms});
    OtherStation other;
    other.hold(s.folder.filePath(kAddressBook));

    const QHash<QString, void (EditorWorkflow::*)()> actions = {
        // clang-format off
        {u"save"_s, &EditorWorkflow::save},       {u"first"_s, &EditorWorkflow::first},
        {u"previous"_s, &EditorWorkflow::previous}, {u"next"_s, &EditorWorkflow::next},
        // clang-format on
        {u"last"_s, &EditorWorkflow::last}};
    (s.workflow()->*actions.value(action))();

    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Error);
    QCOMPARE(s.messages.last().text, kArchiveBusyMessage);
    QCOMPARE(s.name(), u"Verdi"_s);
    QCOMPARE(s.position()->text(), label);
    other.stop();
    QCOMPARE(s.folder.read(kAddressBook), before);

    // Once the other station is done, the same action goes through.
    QFETCH(QString, labelOnceFree);
    s.messages.clear();
    (s.workflow()->*actions.value(action))();
    QCOMPARE(s.position()->text(), labelOnceFree);
    for (const auto& entry : s.messages.entries) QCOMPARE(entry.form, Form::Information);
  }

  // A full disk leaves no room for the lock file: the cards can still be
  // browsed, and a save says that the disk is full and changes nothing.
  void fullDiskStillShowsTheCards() {
    SmallDisk disk(512);
    if (!disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    TestFolder folder(disk.path());
    folder.write(kAddressBook, cards({u"Rossi"_s, u"Bianchi"_s, u"Neri"_s}));
    RecordingMessages messages;
    TfrmAnagrafica window;
    window.show();
    disk.fill();
    auto* name = window.findChild<QLineEdit*>(u"txtNome"_s);
    auto* position = window.findChild<QLabel*>(u"lblPosizione"_s);

    window.workflow()->first();
    QCOMPARE(name->text(), u"Rossi"_s);
    window.workflow()->last();
    QCOMPARE(name->text(), u"Neri"_s);
    QCOMPARE(position->text(), u"3"_s);
    QCOMPARE(messages.count(), 0);

    name->setText(u"Verdi"_s);
    window.workflow()->save();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Error);
    QVERIFY2(
        messages.last().text.contains(u"il disco che contiene la cartella del programma è pieno"_s),
        qPrintable(messages.last().text));
    QCOMPARE(folder.read(kAddressBook), cards({u"Rossi"_s, u"Bianchi"_s, u"Neri"_s}));
  }
};

QTEST_MAIN(SharedFolderTest)
#include "tst_sharedfolder.moc"
