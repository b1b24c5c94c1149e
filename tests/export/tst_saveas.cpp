#include <QApplication>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <optional>

#include "export/formats/sheetformats.h"
#include "export/tfrmexpanagrafica.h"
#include "support/recordingfilechooser.h"
#include "gridaccess.h"
#include "sheetreadback.h"
#include "support/addressbookcards.h"
#include "support/recordingmessages.h"
#include "support/recordingshell.h"
#include "support/testfolder.h"

namespace {

using Form = RecordingMessages::Form;

const QString kAskOpenSaved =
    u"Le schede in archivio sono state salvate nel file scelto.\r\n\r\nSi vuole aprire il file?"_qs;
const QString kSaveFailure =
    u"Attenzione: il sistema non permette di salvare i dati nel file scelto.\n\r\n\r"
    "Accertarsi che il file non sia già aperto e che la cartella consenta la scrittura."_qs;

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
    appendAddressBookCard({{u"Nome"_qs, u"Mario Rossi"_qs}, {u"Indirizzo"_qs, u"Via Roma"_qs},
                {u"Num"_qs, u"5"_qs}, {u"Cap01"_qs, u"0"_qs}, {u"Cap02"_qs, u"0"_qs},
                {u"Cap03"_qs, u"1"_qs}, {u"Cap04"_qs, u"0"_qs}, {u"Cap05"_qs, u"0"_qs},
                {u"Tel"_qs, u"+39 06 1234"_qs}, {u"PartitaIva"_qs, u"01234567890"_qs}});
    appendAddressBookCard(
        {{u"Nome"_qs, u"Anna & Figli <srl>"_qs}, {u"Indirizzo"_qs, u"Corso Italia"_qs}});
    screen = std::make_unique<TfrmExpAnagrafica>();
    screen->show();
  }

  std::optional<GridAccess> access;
  GridAccess* grid() {
    if (!access) access.emplace(screen->findChild<QTableView*>(u"grdRecords"_qs));
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
    screen->findChild<QToolButton*>(u"cmdSalvaCome"_qs)->click();
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
    const QByteArray archive = s.folder.read(u"Anagrafica.pro"_qs);
    QApplication::setActiveWindow(s.screen.get());
    const int phone = s.column(u"colTel"_qs);
    s.grid()->setCurrentCell(1, phone);
    s.grid()->editItem(s.grid()->item(1, phone));
    auto* editor = s.grid()->view()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClicks(editor, u"0039 333"_qs);
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, u"ő"_qs);
    QApplication::sendEvent(editor, &accented);

    const QString path = s.elsewhere.filePath(u"rubrica."_qs + extension);
    s.saveAs(path, filter);

    QCOMPARE(s.chooser.questions.size(), 1);
    const FileQuestion& question = s.chooser.questions[0];
    QCOMPARE(question.title, u"Salva come"_qs);
    QCOMPARE(question.filters,
             (QStringList{u"Foglio di calcolo OpenDocument (*.ods)"_qs,
                          u"Cartella di lavoro Excel (*.xlsx)"_qs,
                          u"CSV per Excel, separato da punto e virgola (*.csv)"_qs}));
    QCOMPARE(question.startPath, s.folder.filePath(u"Anagrafica"_qs));

    const QList<QStringList> shown = s.shown();
    QCOMPARE(shown[2][phone - 1], u"0039 333ő"_qs);
    QCOMPARE(shown[1][1], u"Via Roma 5"_qs);
    QCOMPARE(SheetReadBack::any(path), shown);
    QCOMPARE(s.folder.read(u"Anagrafica.pro"_qs), archive);
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
    QTest::newRow("xlsx typed, ods selected") << u"a.XLSX"_qs << 0 << QByteArray("PK");
    QTest::newRow("csv typed, xlsx selected") << u"a.csv"_qs << 1 << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("txt typed, csv selected") << u"a.txt"_qs << 2 << QByteArray("\xEF\xBB\xBF");
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
    if (name.endsWith(u"XLSX"_qs))
      QVERIFY(SheetReadBack::zipNames(path).contains(u"xl/workbook.xml"_qs));
  }

  void answersDecideWhatHappens() {
    Screen s;
    s.saveAs(QString());
    QVERIFY(s.messages.entries.isEmpty());
    QVERIFY(QDir(s.elsewhere.path()).isEmpty());

    s.messages.answers = {false};
    const QString path = s.elsewhere.filePath(u"a.ods"_qs);
    s.saveAs(path);
    QVERIFY(QFile::exists(path));
    QVERIFY(s.shell.opened.isEmpty());
  }

  // A folder that is not there fails for every user, root included.
  void aFileThatCannotBeWrittenIsReported() {
    Screen s;
    s.saveAs(s.elsewhere.filePath(u"manca/a.ods"_qs));
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Plain);
    QCOMPARE(s.messages.last().text, kSaveFailure);
    QVERIFY(s.shell.opened.isEmpty());
    QVERIFY(s.screen->isVisible());
  }
};

QTEST_MAIN(SaveAsTest)
#include "tst_saveas.moc"
