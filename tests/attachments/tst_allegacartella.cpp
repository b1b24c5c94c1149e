#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "attachments/tfrmallegacartella.h"
#include "core/programfolder.h"
#include "support/recordingfilechooser.h"
#include "support/recordingmessages.h"
#include "support/recordingshell.h"
#include "support/smalldisk.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

const QString kFolder = u"Documenti_Allegati/"_s;
const QString kQuestion =
    u"Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
    "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"_s;

const QString kNotBareName =
    u"Attenzione: il nome del file allegato non è valido, perché indica un file fuori "
    "dalla cartella dei documenti allegati.\r\n\r\nIl nome di un file allegato non può "
    "contenere cartelle (/ o \\) né unità (come C:) e non può essere \".\" o \"..\"."_s;

const QStringList kLabelNames = {u"lblFile01"_s, u"lblFile02"_s, u"lblFile03"_s,
                                 u"lblDesc01"_s, u"lblDesc02"_s, u"lblDesc03"_s};

// A stand-in for a workspace: the six hidden labels sit on an inner panel,
// as they do on the real screens.
struct FakeEditor {
  QWidget window;
  QWidget* panel = new QWidget(&window);

  FakeEditor() {
    for (const QString& name : kLabelNames) {
      auto* label = new QLabel(panel);
      label->setObjectName(name);
      label->hide();
    }
  }
  QLabel* label(const QString& name) { return window.findChild<QLabel*>(name); }
  void fill(const QStringList& texts) {
    for (int i = 0; i < kLabelNames.size(); ++i) label(kLabelNames[i])->setText(texts[i]);
  }
  QStringList texts() {
    QStringList result;
    for (const QString& name : kLabelNames) result.append(label(name)->text());
    return result;
  }
};

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestAllegaCartella : public QObject {
  Q_OBJECT

 private:
  // The user's own documents, somewhere outside the program folder.
  std::unique_ptr<QTemporaryDir> documents_;
  QString document(const QString& name, const QByteArray& bytes) {
    const QString path = documents_->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
      qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
    return path;
  }
  template <typename T>
  static T* control(QWidget& screen, const QString& name) {
    T* widget = screen.findChild<T*>(name);
    if (!widget) qFatal("no control %s", qPrintable(name));
    return widget;
  }
  static QLineEdit* box(QWidget& screen, const QString& name) {
    return control<QLineEdit>(screen, name);
  }
  static QAbstractButton* button(QWidget& screen, const QString& name) {
    return control<QAbstractButton>(screen, name);
  }

 private slots:
  void init() { documents_ = std::make_unique<QTemporaryDir>(); }
  void cleanup() { documents_.reset(); }

  void loadsTheTrimmedLabelsIntoTheBoxes() {
    FakeEditor editor;
    editor.fill({u"  Contratto.pdf "_s, u""_s, u"\tFoto.jpg"_s, u" Copia firmata  "_s,
                 u"Solo descrizione"_s, u""_s});
    TfrmAllegaCartella screen(&editor.window);
    screen.loadFromEditor();
    QCOMPARE(box(screen, u"txtFile01"_s)->text(), u"Contratto.pdf"_s);
    QCOMPARE(box(screen, u"txtFile02"_s)->text(), QString());
    QCOMPARE(box(screen, u"txtFile03"_s)->text(), u"Foto.jpg"_s);
    QCOMPARE(box(screen, u"txtDesc01"_s)->text(), u"Copia firmata"_s);
    QCOMPARE(box(screen, u"txtDesc02"_s)->text(), u"Solo descrizione"_s);
    QCOMPARE(box(screen, u"txtDesc03"_s)->text(), QString());
  }

  void apriFollowsTheFileName_data() {
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blanks only") << u"   "_s << false;
    QTest::newRow("a name") << u"Ricevuta.pdf"_s << true;
  }
  void apriFollowsTheFileName() {
    QFETCH(QString, loaded);
    QFETCH(bool, enabled);
    FakeEditor editor;
    editor.fill({QString(), loaded, QString(), QString(), QString(), QString()});
    TfrmAllegaCartella screen(&editor.window);
    screen.loadFromEditor();
    QCOMPARE(button(screen, u"btnApri02"_s)->isEnabled(), enabled);
    QVERIFY(!button(screen, u"btnApri01"_s)->isEnabled());
    QVERIFY(!button(screen, u"btnApri03"_s)->isEnabled());
  }

  void apriFollowsClearAndBrowse() {
    TestFolder folder;
    RecordingMessages messages;
    RecordingFileChooser chooser;
    FakeEditor editor;
    editor.fill({u"Vecchio.pdf"_s, QString(), QString(), QString(), QString(), QString()});
    TfrmAllegaCartella screen(&editor.window);
    screen.loadFromEditor();
    QVERIFY(button(screen, u"btnApri01"_s)->isEnabled());
    button(screen, u"imgCancella01"_s)->click();
    QVERIFY(!button(screen, u"btnApri01"_s)->isEnabled());
    chooser.answers = {document(u"Nuovo.pdf"_s, "x")};
    button(screen, u"btnSfoglia01"_s)->click();
    QVERIFY(button(screen, u"btnApri01"_s)->isEnabled());
  }

  void browseCopiesIntoTheAttachmentFolder_data() {
    QTest::addColumn<QString>("programFolder");
    QTest::newRow("attachment folder missing") << QString();
    QTest::newRow("program folder missing too") << u"Velinda/su chiavetta"_s;
  }
  void browseCopiesIntoTheAttachmentFolder() {
    QFETCH(QString, programFolder);
    TestFolder folder;
    const QString base = folder.path() + programFolder;
    ProgramFolder::setOverride(base);
    RecordingMessages messages;
    RecordingFileChooser chooser;
    FakeEditor editor;
    editor.fill({u"Altro.doc"_s, u"Prima.txt"_s, QString(), QString(), QString(), QString()});
    TfrmAllegaCartella screen(&editor.window);
    screen.loadFromEditor();
    chooser.answers = {document(u"Scansione ricevuta.pdf"_s, "%PDF contenuto")};

    button(screen, u"btnSfoglia02"_s)->click();

    QCOMPARE(chooser.calls, 1);
    QCOMPARE(box(screen, u"txtFile02"_s)->text(), u"Scansione ricevuta.pdf"_s);
    QCOMPARE(box(screen, u"txtFile01"_s)->text(), u"Altro.doc"_s);
    QCOMPARE(readFile(QDir(base).filePath(kFolder + u"Scansione ricevuta.pdf"_s)),
             QByteArray("%PDF contenuto"));
    QCOMPARE(messages.count(), 0);
  }

  void existingNameAsksBeforeReplacing_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("No keeps the old file") << false << QByteArray("vecchio");
    QTest::newRow("Yes replaces it") << true << QByteArray("nuovo");
  }
  void existingNameAsksBeforeReplacing() {
    QFETCH(bool, answer);
    QFETCH(QByteArray, kept);
    TestFolder folder;
    QDir().mkpath(folder.filePath(kFolder));
    folder.write(kFolder + u"Lettera.pdf"_s, "vecchio");
    RecordingMessages messages;
    messages.answers = {answer};
    RecordingFileChooser chooser;
    chooser.answers = {document(u"Lettera.pdf"_s, "nuovo")};
    FakeEditor editor;
    editor.fill({QString(), QString(), u"Altro.doc"_s, QString(), QString(), QString()});
    TfrmAllegaCartella screen(&editor.window);
    screen.loadFromEditor();

    button(screen, u"btnSfoglia03"_s)->click();

    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, RecordingMessages::Form::Question);
    QCOMPARE(messages.last().text, kQuestion);
    QCOMPARE(box(screen, u"txtFile03"_s)->text(), u"Lettera.pdf"_s);
    QCOMPARE(folder.read(kFolder + u"Lettera.pdf"_s), kept);
  }

  void cancelChangesNothing() {
    TestFolder folder;
    RecordingMessages messages;
    RecordingFileChooser chooser;
    chooser.answers = {QString()};
    FakeEditor editor;
    editor.fill({u"Vecchio.pdf"_s, QString(), QString(), QString(), QString(), QString()});
    TfrmAllegaCartella screen(&editor.window);
    screen.loadFromEditor();

    button(screen, u"btnSfoglia01"_s)->click();

    QCOMPARE(chooser.calls, 1);
    QCOMPARE(box(screen, u"txtFile01"_s)->text(), u"Vecchio.pdf"_s);
    QVERIFY(button(screen, u"btnApri01"_s)->isEnabled());
    QVERIFY(!folder.exists(kFolder));
    QCOMPARE(messages.count(), 0);
  }

  // Picking the very copy that lies in the folder must never empty it.
  void choosingTheFileAlreadyInTheFolderLeavesItIntact_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("route");
    QTest::newRow("No") << false << QString();
    QTest::newRow("Yes") << true << QString();
    QTest::newRow("Yes, by a roundabout path") << true << u"../Documenti_Allegati/"_s;
  }
  void choosingTheFileAlreadyInTheFolderLeavesItIntact() {
    QFETCH(bool, answer);
    QFETCH(QString, route);
    TestFolder folder;
    QDir().mkpath(folder.filePath(kFolder));
    folder.write(kFolder + u"Originale.pdf"_s, "originale");
    RecordingMessages messages;
    messages.answers = {answer};
    RecordingFileChooser chooser;
    chooser.answers = {folder.filePath(kFolder + route + u"Originale.pdf"_s)};
    FakeEditor editor;
    TfrmAllegaCartella screen(&editor.window);

    button(screen, u"btnSfoglia01"_s)->click();

    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, kQuestion);
    QCOMPARE(box(screen, u"txtFile01"_s)->text(), u"Originale.pdf"_s);
    QCOMPARE(folder.read(kFolder + u"Originale.pdf"_s), QByteArray("originale"));
  }

  void failuresAreSilent_data() {
    QTest::addColumn<bool>("readOnlyProgramFolder");
    QTest::addColumn<bool>("chosenFileVanished");
    QTest::newRow("folder cannot be created") << true << false;
    QTest::newRow("copy fails") << false << true;
  }
  void failuresAreSilent() {
    QFETCH(bool, readOnlyProgramFolder);
    QFETCH(bool, chosenFileVanished);
    TestFolder folder;
    if (readOnlyProgramFolder) folder.makeReadOnly();
    RecordingMessages messages;
    RecordingFileChooser chooser;
    const QString chosen = document(u"Preventivo.xls"_s, "dati");
    if (chosenFileVanished) QFile::remove(chosen);
    chooser.answers = {chosen};
    FakeEditor editor;
    TfrmAllegaCartella screen(&editor.window);

    button(screen, u"btnSfoglia02"_s)->click();

    QCOMPARE(messages.count(), 0);
    QCOMPARE(box(screen, u"txtFile02"_s)->text(), u"Preventivo.xls"_s);
    QVERIFY(button(screen, u"btnApri02"_s)->isEnabled());
    QVERIFY(!folder.exists(kFolder + u"Preventivo.xls"_s));
    QCOMPARE(folder.exists(kFolder), !readOnlyProgramFolder);
  }

  // A replacement that cannot be completed must leave the copy that every
  // record with that name refers to exactly as it was, with nothing
  // half-written beside it; as any copy failure, it says nothing.
  void failedReplacementKeepsTheOldFile_data() {
    QTest::addColumn<bool>("diskFullBefore");
    QTest::addColumn<int>("newSize");
    QTest::newRow("disk already full") << true << 100;
    QTest::newRow("new file larger than the free space") << false << 3 * 1024 * 1024;
  }
  void failedReplacementKeepsTheOldFile() {
    QFETCH(bool, diskFullBefore);
    QFETCH(int, newSize);
    SmallDisk disk;
    if (!disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    TestFolder folder(disk.path());
    QDir().mkpath(folder.filePath(kFolder));
    const QByteArray old(200 * 1024, 'v');
    folder.write(kFolder + u"Lettera.pdf"_s, old);
    if (diskFullBefore) disk.fill();
    RecordingMessages messages;
    messages.answers = {true};
    RecordingFileChooser chooser;
    chooser.answers = {document(u"Lettera.pdf"_s, QByteArray(newSize, 'n'))};
    FakeEditor editor;
    TfrmAllegaCartella screen(&editor.window);

    button(screen, u"btnSfoglia01"_s)->click();

    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, kQuestion);
    QCOMPARE(box(screen, u"txtFile01"_s)->text(), u"Lettera.pdf"_s);
    QVERIFY(folder.read(kFolder + u"Lettera.pdf"_s) == old);
    QCOMPARE(QDir(folder.filePath(kFolder)).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"Lettera.pdf"_s});
  }

  // A copy of a read-only document is still the program's own file: a later
  // replacement under the same name must be able to overwrite it.
  void copyOfAReadOnlyDocumentStaysReplaceable() {
    TestFolder folder;
    RecordingMessages messages;
    messages.answers = {true};
    RecordingFileChooser chooser;
    const QString first = document(u"Modulo.pdf"_s, "prima versione");
    QFile::setPermissions(first, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QDir(documents_->path()).mkdir(u"nuovi"_s);
    const QString second = document(u"nuovi/Modulo.pdf"_s, "seconda versione");
    chooser.answers = {first, second};
    FakeEditor editor;
    TfrmAllegaCartella screen(&editor.window);

    button(screen, u"btnSfoglia01"_s)->click();
    const QString copy = folder.filePath(kFolder + u"Modulo.pdf"_s);
    QCOMPARE(readFile(copy), QByteArray("prima versione"));
    QVERIFY(QFile::permissions(copy) & QFile::WriteOwner);
    QVERIFY(QFile::permissions(copy) & QFile::ReadOther);

    button(screen, u"btnSfoglia02"_s)->click();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(readFile(copy), QByteArray("seconda versione"));
  }

  void apriHandsTheFolderCopyToTheShell() {
    TestFolder folder;
    RecordingShell shell;
    RecordingMessages messages;
    FakeEditor editor;
    // clang-format off
    editor.fill({QString(), QString(), u"  Relazione finale 100%.pdf "_s, QString(), QString(),
                 QString()});
    // clang-format on
    TfrmAllegaCartella screen(&editor.window);
    screen.loadFromEditor();

    button(screen, u"btnApri03"_s)->click();

    QCOMPARE(shell.opened.size(), 1);
    const QUrl url = shell.opened.first();
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(), folder.filePath(kFolder + u"Relazione finale 100%.pdf"_s));
    // Nothing is checked first: the file need not be there.
    QCOMPARE(messages.count(), 0);
  }

  // A damaged or crafted archive may name a file outside the attachment
  // folder; such a name is never handed to the shell. Names that only look
  // odd are plain file names of the folder and open.
  void apriOpensOnlyNamesInTheFolder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("opened");
    QTest::newRow("parent folders") << u"../../Impostazioni.ini"_s << false;
    QTest::newRow("parent folder") << u".."_s << false;
    QTest::newRow("the folder itself") << u"."_s << false;
    QTest::newRow("dots only") << u"..."_s << false;
    QTest::newRow("subfolder") << u"sotto/Lettera.pdf"_s << false;
    QTest::newRow("backslashes") << u"..\\..\\Anagrafica.pro"_s << false;
    QTest::newRow("absolute path") << u"/etc/passwd"_s << false;
    QTest::newRow("network path") << u"\\\\server\\dati\\x.pdf"_s << false;
    QTest::newRow("drive") << u"C:\\Windows\\win.ini"_s << false;
    QTest::newRow("drive, relative") << u"c:win.ini"_s << false;
    QTest::newRow("leading dots") << u"..nascosto"_s << true;
    QTest::newRow("colon inside") << u"Verbale 10:30.pdf"_s << true;
    QTest::newRow("no extension") << u"LEGGIMI"_s << true;
  }
  void apriOpensOnlyNamesInTheFolder() {
    QFETCH(QString, name);
    QFETCH(bool, opened);
    TestFolder folder;
    RecordingShell shell;
    RecordingMessages messages;
    FakeEditor editor;
    editor.fill({QString(), name, QString(), QString(), QString(), QString()});
    TfrmAllegaCartella screen(&editor.window);
    screen.loadFromEditor();

    button(screen, u"btnApri02"_s)->click();

    if (opened) {
      QCOMPARE(messages.count(), 0);
      QCOMPARE(shell.opened.size(), 1);
      QCOMPARE(shell.opened.first().toLocalFile(), folder.filePath(kFolder + name));
    } else {
      QCOMPARE(shell.opened.size(), 0);
      QCOMPARE(messages.count(), 1);
      QCOMPARE(messages.last().form, RecordingMessages::Form::Warning);
      QCOMPARE(messages.last().text, kNotBareName);
    }
  }

  // On this system a backslash may be part of a file's name, but the
  // records are read on systems where it separates folders.
  void chosenFileWithABackslashIsNotCopied() {
    TestFolder folder;
    RecordingMessages messages;
    RecordingFileChooser chooser;
    chooser.answers = {document(u"..\\Anagrafica.pro"_s, "dati")};
    FakeEditor editor;
    editor.fill({u"Vecchio.pdf"_s, QString(), QString(), QString(), QString(), QString()});
    TfrmAllegaCartella screen(&editor.window);
    screen.loadFromEditor();

    button(screen, u"btnSfoglia01"_s)->click();

    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, RecordingMessages::Form::Warning);
    QCOMPARE(messages.last().text, kNotBareName);
    QCOMPARE(box(screen, u"txtFile01"_s)->text(), u"Vecchio.pdf"_s);
    QVERIFY(QDir(folder.filePath(kFolder)).isEmpty());
    QVERIFY(!folder.exists(u"Anagrafica.pro"_s));
  }

  void clearingOneSlotThenApplying_data() {
    QTest::addColumn<QString>("tag");
    QTest::newRow("acceptance") << u"accettazione"_s;
    QTest::newRow("address book") << u"anagrafica"_s;
    QTest::newRow("tag with blanks") << u" anagrafica "_s;
  }
  void clearingOneSlotThenApplying() {
    QFETCH(QString, tag);
    FakeEditor editor;
    editor.fill({u"Uno.pdf"_s, u"Due.pdf"_s, u" Tre.pdf "_s, u"Primo"_s, u"Secondo"_s, u"Terzo"_s});
    TfrmAllegaCartella screen(&editor.window);
    screen.setTag(tag);
    screen.loadFromEditor();
    screen.show();

    button(screen, u"imgCancella02"_s)->click();
    QCOMPARE(box(screen, u"txtDesc02"_s)->text(), u"Secondo"_s);
    box(screen, u"txtDesc03"_s)->setText(u"  Terzo, corretto  "_s);
    button(screen, u"btnApplica"_s)->click();

    QCOMPARE(editor.texts(), (QStringList{u"Uno.pdf"_s, QString(), u"Tre.pdf"_s, u"Primo"_s,
                                          u"Secondo"_s, u"Terzo, corretto"_s}));
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Accepted));
  }

  void unknownTagKeepsTheScreenOpen_data() {
    QTest::addColumn<QString>("tag");
    QTest::newRow("return receipt") << u"ricevimento"_s;
    QTest::newRow("no tag") << QString();
    QTest::newRow("other case") << u"Anagrafica"_s;
  }
  void unknownTagKeepsTheScreenOpen() {
    QFETCH(QString, tag);
    FakeEditor editor;
    const QStringList before = {u"Uno.pdf"_s, QString(), QString(),
                                u"Primo"_s,   QString(), QString()};
    editor.fill(before);
    TfrmAllegaCartella screen(&editor.window);
    screen.setTag(tag);
    screen.loadFromEditor();
    screen.show();

    button(screen, u"imgCancella01"_s)->click();
    button(screen, u"btnApplica"_s)->click();

    QVERIFY(screen.isVisible());
    QCOMPARE(editor.texts(), before);
  }

  void annullaAfterBrowseKeepsLabelsAndTheCopy() {
    TestFolder folder;
    RecordingMessages messages;
    RecordingFileChooser chooser;
    chooser.answers = {document(u"Nuovo.pdf"_s, "nuovo")};
    FakeEditor editor;
    const QStringList before = {u"Uno.pdf"_s, QString(), QString(),
                                u"Primo"_s,   QString(), QString()};
    editor.fill(before);
    TfrmAllegaCartella screen(&editor.window);
    screen.setTag(u"accettazione"_s);
    screen.loadFromEditor();
    screen.show();

    button(screen, u"btnSfoglia01"_s)->click();
    box(screen, u"txtDesc01"_s)->setText(u"Cambiata"_s);
    button(screen, u"btnAnnulla"_s)->click();

    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Rejected));
    QCOMPARE(editor.texts(), before);
    QCOMPARE(folder.read(kFolder + u"Nuovo.pdf"_s), QByteArray("nuovo"));
  }

  void descriptionHasNoLengthLimit() {
    FakeEditor editor;
    const QString longText(600, u'd');
    editor.fill({QString(), QString(), QString(), longText, QString(), QString()});
    TfrmAllegaCartella screen(&editor.window);
    screen.setTag(u"anagrafica"_s);
    screen.loadFromEditor();
    button(screen, u"btnApplica"_s)->click();
    QCOMPARE(editor.label(u"lblDesc01"_s)->text(), longText);
  }

  void tabGoesSlotBySlotThenApplicaThenAnnulla() {
    FakeEditor editor;
    editor.fill({u"a.pdf"_s, u"b.pdf"_s, u"c.pdf"_s, QString(), QString(), QString()});
    TfrmAllegaCartella screen(&editor.window);
    screen.loadFromEditor();
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    box(screen, u"txtFile01"_s)->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 13; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited,
             (QStringList{u"txtFile01"_s, u"btnSfoglia01"_s, u"btnApri01"_s, u"txtDesc01"_s,
                          u"txtFile02"_s, u"btnSfoglia02"_s, u"btnApri02"_s, u"txtDesc02"_s,
                          u"txtFile03"_s, u"btnSfoglia03"_s, u"btnApri03"_s, u"txtDesc03"_s,
                          u"btnApplica"_s, u"btnAnnulla"_s}));
  }

  // Enter in a description must not browse, open or close by itself.
  void enterInADescriptionPressesNothing() {
    RecordingFileChooser chooser;
    FakeEditor editor;
    TfrmAllegaCartella screen(&editor.window);
    screen.setTag(u"accettazione"_s);
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    box(screen, u"txtDesc01"_s)->setFocus();
    QTest::keyClick(box(screen, u"txtDesc01"_s), Qt::Key_Return);
    QCOMPARE(chooser.calls, 0);
    QVERIFY(screen.isVisible());
  }
};

QTEST_MAIN(TestAllegaCartella)
#include "tst_allegacartella.moc"
