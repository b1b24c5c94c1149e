#include <QApplication>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <optional>

#include "export/formats/sheetformats.h"
#include "export/tfrmexpanagrafica.h"
#include "gridaccess.h"
#include "sheetreadback.h"
#include "support/addressbookcards.h"
#include "support/recordingfilechooser.h"
#include "support/recordingmessages.h"
#include "support/recordingshell.h"
#include "support/stripwatch.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

using Form = RecordingMessages::Form;

const QString kAskOpenSaved =
    u"Le schede in archivio sono state salvate nel file scelto.\r\n\r\nSi vuole aprire il file?"_s;
const QString kSaveFailure =
    u"Attenzione: il sistema non permette di salvare i dati nel file scelto.\n\r\n\r"
    "Accertarsi che il file non sia già aperto e che la cartella consenta la scrittura."_s;

// The address-book export screen over two cards, its dialogs, messages and
// shell answered by the test.
struct Screen {
  TestFolder folder;
  QTemporaryDir elsewhere;
  RecordingMessages messages;
  RecordingShell shell;
  RecordingFileChooser chooser;
  std::unique_ptr<TfrmExpAnagrafica> screen;

  Screen() {
    // clang-format off
    appendAddressBookCard({{u"Nome"_s, u"Mario Rossi"_s}, {u"Indirizzo"_s, u"Via Roma"_s},
                {u"Num"_s, u"5"_s}, {u"Cap01"_s, u"0"_s}, {u"Cap02"_s, u"0"_s},
                {u"Cap03"_s, u"1"_s}, {u"Cap04"_s, u"0"_s}, {u"Cap05"_s, u"0"_s},
                {u"Tel"_s, u"+39 06 1234"_s}, {u"PartitaIva"_s, u"01234567890"_s}});
    // clang-format on
    appendAddressBookCard(
        {{u"Nome"_s, u"Anna & Figli <srl>"_s}, {u"Indirizzo"_s, u"Corso Italia"_s}});
    screen = std::make_unique<TfrmExpAnagrafica>();
    screen->show();
  }

  std::optional<GridAccess> access;
  GridAccess* grid() {
    if (!access) access.emplace(screen->findChild<QTableView*>(u"grdRecords"_s));
    return &*access;
  }
  int column(const QString& name) {
    for (int c = 0; c < grid()->columnCount(); ++c)
      if (grid()->horizontalHeaderItem(c).data(Qt::UserRole).toString() == name) return c;
    return -1;
  }
  // The grid as the user sees it, the row numbers left out.
  QList<QStringList> shown() {
    QList<QStringList> rows{{}};
    for (int c = 1; c < grid()->columnCount(); ++c)
      rows[0].append(grid()->horizontalHeaderItem(c).text());
    for (int r = 0; r < grid()->rowCount(); ++r) {
      QStringList row;
      for (int c = 1; c < grid()->columnCount(); ++c)
        row.append(grid()->item(r, c).text().trimmed());
      rows.append(row);
    }
    return rows;
  }
  void saveAs(const QString& path, int filter = 0) {
    chooser.answers.append(path);
    chooser.filters.append(filter);
    screen->findChild<QToolButton*>(u"cmdSalvaCome"_s)->click();
  }
};

}  // namespace

class SaveAsTest : public QObject {
  Q_OBJECT
 private slots:
  // Each format holds the grid's headers and cells, a cell being typed
  // into included, and the archive stays as it was.
  void savesTheGridAsTheUserSeesIt_data() {
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("extension");
    for (int i = 0; i < SheetFormats::all().size(); ++i)
      QTest::newRow(qPrintable(SheetFormats::all()[i].extension))
          << i << SheetFormats::all()[i].extension;
  }
  void savesTheGridAsTheUserSeesIt() {
    QFETCH(int, filter);
    QFETCH(QString, extension);
    Screen s;
    const QByteArray archive = s.folder.read(u"Anagrafica.pro"_s);
    QApplication::setActiveWindow(s.screen.get());
    const int phone = s.column(u"colTel"_s);
    s.grid()->setCurrentCell(1, phone);
    s.grid()->editItem(s.grid()->item(1, phone));
    auto* editor = s.grid()->view()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClicks(editor, u"0039 333"_s);
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, u"ő"_s);
    QApplication::sendEvent(editor, &accented);

    const QString path = s.elsewhere.filePath(u"rubrica."_s + extension);
    s.saveAs(path, filter);

    QCOMPARE(s.chooser.questions.size(), 1);
    const FileQuestion& question = s.chooser.questions[0];
    QCOMPARE(question.title, u"Salva come"_s);
    QCOMPARE(question.filters,
             (QStringList{u"Foglio di calcolo OpenDocument, mantiene gli zeri iniziali (*.ods)"_s,
                          u"Cartella di lavoro Excel, mantiene gli zeri iniziali (*.xlsx)"_s,
                          u"CSV separato da punto e virgola; il CAP e i codici possono perdere gli "
                          "zeri iniziali (*.csv)"_s}));
    QCOMPARE(question.startPath, s.folder.filePath(u"Anagrafica"_s));

    const QList<QStringList> shown = s.shown();
    QCOMPARE(shown[2][phone - 1], u"0039 333ő"_s);
    QCOMPARE(shown[1][1], u"Via Roma 5"_s);
    QCOMPARE(SheetReadBack::any(path), shown);
    QCOMPARE(s.folder.read(u"Anagrafica.pro"_s), archive);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Question);
    QCOMPARE(s.messages.last().text, kAskOpenSaved);
    QCOMPARE(s.shell.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
  }

  // The extension typed decides over the type left selected; a name
  // without a known one is written in the selected type.
  void theTypedExtensionWins_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("xlsx typed, ods selected") << u"a.XLSX"_s << 0 << QByteArray("PK");
    QTest::newRow("csv typed, xlsx selected") << u"a.csv"_s << 1 << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("txt typed, csv selected") << u"a.txt"_s << 2 << QByteArray("\xEF\xBB\xBF");
  }
  void theTypedExtensionWins() {
    QFETCH(QString, name);
    QFETCH(int, filter);
    QFETCH(QByteArray, start);
    Screen s;
    const QString path = s.elsewhere.filePath(name);
    s.saveAs(path, filter);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(start.size()), start);
    if (name.endsWith(u"XLSX"_s))
      QVERIFY(SheetReadBack::zipNames(path).contains(u"xl/workbook.xml"_s));
  }

  void answersDecideWhatHappens() {
    Screen s;
    s.saveAs(QString());
    QVERIFY(s.messages.entries.isEmpty());
    QVERIFY(QDir(s.elsewhere.path()).isEmpty());

    s.messages.answers = {false};
    const QString path = s.elsewhere.filePath(u"a.ods"_s);
    s.saveAs(path);
    QVERIFY(QFile::exists(path));
    QVERIFY(s.shell.opened.isEmpty());
  }

  // The longest name a folder takes: nothing the save adds to it may go
  // past the limit, and nothing of its own stays beside it.
  void aNameOfTheLongestLengthIsSaved_data() {
    QTest::addColumn<QString>("extension");
    for (const SheetFormat& format : SheetFormats::all())
      QTest::newRow(qPrintable(format.extension)) << format.extension;
  }
  void aNameOfTheLongestLengthIsSaved() {
    QFETCH(QString, extension);
    Screen s;
    // "à" takes two bytes: 255 bytes in all.
    const QString name =
        QString(5, u'à') + QString(244 - extension.size(), u'a') + u'.' + extension;
    QCOMPARE(QFile::encodeName(name).size(), 255);
    const QString path = s.elsewhere.filePath(name);
    s.saveAs(path);
    QCOMPARE(s.messages.last().text, kAskOpenSaved);
    QCOMPARE(SheetReadBack::any(path), s.shown());
    QCOMPARE(QDir(s.elsewhere.path())
                 .entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{name});
  }

  // A long save shows how many cards are written, under the busy cursor,
  // and gives the help line back before the question that ends it.
  void aLongSaveShowsItsProgress() {
    Screen s;
    auto* strip = s.screen->findChild<ProgressStrip*>(u"prgEsporta"_s);
    QVERIFY(strip);
    strip->setDelay(0);  // as if each card took a long time
    QStringList cursors;
    struct CursorWatch : QObject {
      QStringList* seen;
      bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
          *seen << (QApplication::overrideCursor() &&
                            QApplication::overrideCursor()->shape() == Qt::WaitCursor
                        ? u"busy"_s
                        : u"normal"_s);
        return false;
      }
    } cursorWatch;
    cursorWatch.seen = &cursors;
    strip->installEventFilter(&cursorWatch);
    StripWatch watch(strip);
    bool busyAtTheQuestion = true;
    s.messages.onMessage = [&](const RecordingMessages::Entry&) {
      busyAtTheQuestion = strip->isVisible() || QApplication::overrideCursor();
    };
    s.saveAs(s.elsewhere.filePath(u"a.ods"_s));
    QVERIFY2(watch.shown.contains(u"Schede salvate: 1 su 2"_s), qPrintable(watch.shown.join(u'|')));
    QVERIFY(!cursors.isEmpty());
    QCOMPARE(cursors.count(u"busy"_s), cursors.size());
    QVERIFY(!busyAtTheQuestion);
    QCOMPARE(s.messages.last().text, kAskOpenSaved);
  }

  // A folder that is not there fails for every user, root included.
  void aFileThatCannotBeWrittenIsReported() {
    Screen s;
    s.saveAs(s.elsewhere.filePath(u"manca/a.ods"_s));
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Plain);
    QCOMPARE(s.messages.last().text, kSaveFailure);
    QVERIFY(s.shell.opened.isEmpty());
    QVERIFY(s.screen->isVisible());
  }
};

QTEST_MAIN(SaveAsTest)
#include "tst_saveas.moc"
