#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "archive/tarchivio.h"
#include "dialogs/tfrmguida.h"
#include "export/tfrmexpaccettazione.h"
#include "export/tfrmexpanagrafica.h"
#include "export/tfrmexpricevimento.h"
#include "support/recordingfilechooser.h"
#include "support/recordingmessages.h"
#include "support/recordingshell.h"
#include "support/smalldisk.h"
#include "support/stripwatch.h"
#include "support/testfolder.h"

#include "gridaccess.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

using Form = RecordingMessages::Form;
using Fields = QList<QPair<QString, QString>>;

const QString kAskExport =
    u"L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero "
    "di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"_s;
const QString kAskOpen =
    u"Le schede in archivio sono state esportate con successo.\r\n\r\n"
    "Si vuole aprire il file di Excel?"_s;
const QString kFailure =
    u"Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi che il file di Excel non sia già aperto."_s;

const QString kArchiveAccess =
    u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
    "programma."_s;

QByteArray documentStart(const QByteArray& worksheet) {
  return "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\""
         " xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
         " xmlns=\"http://www.w3.org/TR/REC-html40\"><head>"
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
         "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
         "<x:Name>" +
         worksheet +
         "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane>"
         "<x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
         "<x:ProtectContents>False</x:ProtectContents>"
         "<x:ProtectObjects>False</x:ProtectObjects>"
         "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions>"
         "</x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
         "</xml><![endif]--></head><body><table x:str>";
}

const QByteArray kDocumentEnd = "</table></body></html>";

QByteArray dataCell(const QByteArray& text) {
  return "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">" + text + "</td>";
}

// The screens by name, each with its archive, file and worksheet.
struct ScreenKind {
  std::function<ExportScreen*()> make;
  const ArchiveDefinition& archive;
  QString file;
  QByteArray worksheet;
};

ScreenKind kindNamed(const QString& name) {
  if (name == u"TfrmExpAccettazione")
    return {[] { return new TfrmExpAccettazione; }, acceptanceArchive(),
            u"Ricevute_Accettazione.xls"_s, "Ricevute Accettazione"};
  if (name == u"TfrmExpRicevimento")
    return {[] { return new TfrmExpRicevimento; }, returnReceiptArchive(),
            u"Avvisi_Ricevimento.xls"_s, "Avvisi Ricevimento"};
  return {[] { return new TfrmExpAnagrafica; }, addressBookArchive(), u"Anagrafica.xls"_s,
          "Archivio Anagrafico"};
}

void addScreenRows() {
  QTest::addColumn<QString>("screen");
  for (const char* name : {"TfrmExpAccettazione", "TfrmExpRicevimento", "TfrmExpAnagrafica"})
    QTest::newRow(name) << QString::fromLatin1(name);
}

void appendRecord(const ArchiveDefinition& archive, const Fields& fields) {
  TScheda record(archive.layout);
  for (const auto& [name, value] : fields) record.setText(name, value);
  TArchivio file(archive);
  file.Open();
  file.Append(record);
}

// One export screen over a fresh program folder, shown as its opener would.
struct Fixture {
  // Where the program folder is made; empty for the system's temporary folder.
  QString parent;
  TestFolder folder{parent};
  RecordingMessages messages;
  RecordingShell shell;
  std::unique_ptr<ExportScreen> screen;
  ScreenKind kind;

  explicit Fixture(const QString& name = u"TfrmExpAccettazione"_s, const QString& parentFolder = {})
      : parent(parentFolder), kind(kindNamed(name)) {}

  void add(const Fields& fields) { appendRecord(kind.archive, fields); }
  void show() {
    screen.reset(kind.make());
    screen->show();
  }
  GridAccess grid() { return GridAccess(screen->findChild<QTableView*>(u"grdRecords"_s)); }
  QLabel* info() { return screen->findChild<QLabel*>(u"panInfo"_s); }
  QToolButton* button(const QString& name) { return screen->findChild<QToolButton*>(name); }
  void exportNow() { QTest::mouseClick(button(u"cmdEsporta"_s), Qt::LeftButton); }
  QByteArray output() { return folder.read(kind.file); }
  int column(const QString& gridName) {
    for (int c = 0; c < grid().columnCount(); ++c)
      if (grid().horizontalHeaderItem(c).data(Qt::UserRole).toString() == gridName) return c;
    return -1;
  }
  QString cell(int row, const QString& gridName) {
    return grid().item(row, column(gridName)).text();
  }
};

const Fields kRossi{{u"Data"_s, u"03/02/2024"_s},
                    {u"Contenuto"_s, u"Contratto"_s},
                    {u"Destinatario"_s, u"Mario Rossi"_s},
                    {u"IndirizzoDes"_s, u"Via Roma"_s},
                    {u"NumDes"_s, u"5"_s},
                    {u"CapDes01"_s, u"0"_s},
                    {u"CapDes02"_s, u"0"_s},
                    {u"CapDes03"_s, u"1"_s},
                    {u"CapDes04"_s, u"0"_s},
                    {u"CapDes05"_s, u"0"_s},
                    {u"LocalitaDes"_s, u"Località Prati"_s},
                    {u"ProvDes01"_s, u"R"_s},
                    {u"ProvDes02"_s, u"M"_s},
                    {u"Mittente"_s, u"Ditta Bianchi"_s},
                    {u"Lettere"_s, u"dodici/50"_s},
                    {u"Cifre"_s, u"12,50"_s},
                    {u"Avviso"_s, u"Sì"_s},
                    {u"Inviata"_s, u"No"_s}};
const Fields kVerdi{{u"Destinatario"_s, u"Anna Verdi"_s},
                    {u"TelMit"_s, u"06 123456"_s},
                    {u"EmailMit"_s, u"a@b.it"_s},
                    {u"Contrassegno"_s, u"No"_s}};

}  // namespace

class ExportScreensTest : public QObject {
  Q_OBJECT
 private slots:
  void theFileHoldsTheHeaderRowAndOneRowPerRecord() {
    Fixture f;
    f.add(kRossi);
    f.add(kVerdi);
    f.show();
    QCOMPARE(f.grid().rowCount(), 2);
    QCOMPARE(f.cell(0, u"colNum"_s), u"1"_s);
    QCOMPARE(f.cell(1, u"colNum"_s), u"2"_s);
    f.exportNow();

    QByteArray header = "<tr>";
    // clang-format off
    const QList<QPair<QByteArray, int>> headers{
        {"Data spedizione", 200}, {"Contenuto raccomandata", 400}, {"Destinatario", 300},
        {"Indirizzo", 300}, {"N. civico", 200}, {"CAP", 150}, {"Localit\xe0", 300},
        {"Prov.", 150}, {"Tel.", 200}, {"E-mail", 250}, {"Mittente", 300},
        {"Indirizzo", 300}, {"N. civico", 200}, {"CAP", 150}, {"Localit\xe0", 300},
        {"Prov.", 150}, {"Tel.", 200}, {"E-mail", 250}, {"Avviso ricevimento", 160},
        {"Contrassegno", 160}, {"Importo", 160}, {"Inviata", 160}};
    // clang-format on
    for (const auto& [text, width] : headers)
      header +=
          "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) +
          ">" + text + "</td>";
    header += "</tr>";
    auto row = [](const QList<QByteArray>& cells) {
      QByteArray r = "<tr>";
      for (const QByteArray& c : cells) r += dataCell(c);
      return r + "</tr>";
    };
    // clang-format off
    const QByteArray rossi = row({"03/02/2024", "Contratto", "Mario Rossi", "Via Roma", "5",
                                  "00100", "Localit\xe0 Prati", "RM", "", "", "Ditta Bianchi",
                                  "", "", "", "", "", "", "", "S\xec", "", "12,50", "No"});
    const QByteArray verdi = row({"", "", "Anna Verdi", "", "", "", "", "", "", "", "", "", "",
                                  "", "", "", "06 123456", "a@b.it", "", "No", "", ""});
    // clang-format on
    QCOMPARE(f.output(),
             documentStart("Ricevute Accettazione") + header + rossi + verdi + kDocumentEnd);
  }

  void anEmptyArchiveGivesTheHeaderRowOnly_data() { addScreenRows(); }
  void anEmptyArchiveGivesTheHeaderRowOnly() {
    QFETCH(QString, screen);
    Fixture f(screen);
    f.show();
    QCOMPARE(f.screen->objectName(), screen);
    QCOMPARE(f.grid().rowCount(), 0);
    QVERIFY(f.folder.exists(f.kind.archive.fileName));
    f.exportNow();
    const QByteArray file = f.output();
    QVERIFY(file.startsWith(documentStart(f.kind.worksheet) + "<tr><td style="));
    QVERIFY(file.endsWith("</td></tr>" + kDocumentEnd));
    QCOMPARE(file.count("<tr>"), 1);
    QCOMPARE(file.count("font-weight: bold;"), f.grid().columnCount() - 1);
  }

  void joinedCellsAreShownAndExportedTrimmed_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("written");
    Fields number;
    for (int n = 1; n <= 13; ++n)
      number.append({u"N%1"_s.arg(n, 2, 10, QLatin1Char('0')), QString::number(n % 10)});
    QTest::newRow("13 number boxes") << u"TfrmExpRicevimento"_s << number << u"colNumAvviso"_s
                                     << u"1234567890123"_s << QByteArray("1234567890123");
    QTest::newRow("street without number")
        << u"TfrmExpAnagrafica"_s << Fields{{u"Indirizzo"_s, u"Piazza Duomo"_s}}
        << u"colIndirizzo"_s << u"Piazza Duomo "_s << QByteArray("Piazza Duomo");
    QTest::newRow("contents with & and <")
        << u"TfrmExpAccettazione"_s << Fields{{u"Contenuto"_s, u"Atti & <copie>"_s}}
        << u"colContenuto"_s << u"Atti & <copie>"_s << QByteArray("Atti &amp; &lt;copie&gt;");
  }

  void joinedCellsAreShownAndExportedTrimmed() {
    QFETCH(QString, screen);
    QFETCH(Fields, fields);
    QFETCH(QString, column);
    QFETCH(QString, shown);
    QFETCH(QByteArray, written);
    Fixture f(screen);
    f.add(fields);
    f.show();
    QCOMPARE(f.cell(0, column), shown);
    f.exportNow();
    // The column's place in the file is its place in the grid, less "N.".
    const QByteArray file = f.output();
    const QByteArray firstRow = file.mid(file.lastIndexOf("<tr>"));
    QCOMPARE(firstRow.count("<td"), f.grid().columnCount() - 1);
    const qsizetype at = firstRow.indexOf(dataCell(written));
    QVERIFY2(at >= 0, firstRow.constData());
    QCOMPARE(firstRow.left(at).count("<td"), f.column(column) - 1);
  }

  void aTypedCellIsExportedAndTheArchiveKept() {
    Fixture f;
    f.add(kRossi);
    f.show();
    const QByteArray archiveBefore = f.folder.read(f.kind.archive.fileName);
    const int sender = f.column(u"colMittente"_s);
    QVERIFY(f.grid().item(0, sender).flags() & Qt::ItemIsEditable);
    for (const QString& fixed : {u"colNum"_s, u"colDestinatario"_s, u"colCifre"_s})
      QVERIFY2(!(f.grid().item(0, f.column(fixed)).flags() & Qt::ItemIsEditable),
               qPrintable(fixed));

    QApplication::setActiveWindow(f.screen.get());
    f.grid().setCurrentCell(0, sender);
    f.grid().editItem(f.grid().item(0, sender));
    auto* editor = f.grid().view()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, u"Gy"_s);
    // A letter beyond Latin-1, as a keyboard layout would send it.
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, u"ő"_s);
    QApplication::sendEvent(editor, &accented);
    QTest::keyClicks(editor, u"r & Co"_s);
    QCOMPARE(editor->text(), u"Győr & Co"_s);
    // Still typing: the export must take the text all the same.
    f.exportNow();

    QVERIFY2(f.output().contains(dataCell("Gyor &amp; Co")), f.output().constData());
    QVERIFY(!f.output().contains("Ditta Bianchi"));
    QCOMPARE(f.folder.read(f.kind.archive.fileName), archiveBefore);
  }

  void aSecondExportRewritesTheFile() {
    Fixture f;
    f.add(kRossi);
    f.folder.write(f.kind.file, QByteArray(20000, '#'));
    f.show();
    f.exportNow();
    const QByteArray first = f.output();
    QVERIFY(first.startsWith("<html") && first.endsWith(kDocumentEnd));
    QVERIFY(!first.contains('#'));

    f.grid().item(0, f.column(u"colMittente"_s)).setText(u"Ditta"_s);
    f.exportNow();
    QByteArray expected = first;
    expected.replace(dataCell("Ditta Bianchi"), dataCell("Ditta"));
    QCOMPARE(f.output(), expected);
  }

  void theAnswersDecideWhatHappens_data() {
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("opened");
    QTest::newRow("no export") << QList<bool>{false} << QStringList{kAskExport} << false << false;
    QTest::newRow("exported, not opened")
        << QList<bool>{true, false} << QStringList{kAskExport, kAskOpen} << true << false;
    QTest::newRow("exported and opened")
        << QList<bool>{true, true} << QStringList{kAskExport, kAskOpen} << true << true;
  }

  void theAnswersDecideWhatHappens() {
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, questions);
    QFETCH(bool, written);
    QFETCH(bool, opened);
    Fixture f;
    f.show();
    f.messages.answers = answers;
    f.exportNow();
    QStringList asked;
    for (const auto& entry : f.messages.entries) {
      QCOMPARE(entry.form, Form::Question);
      asked.append(entry.text);
    }
    QCOMPARE(asked, questions);
    QCOMPARE(f.folder.exists(f.kind.file), written);
    const QList<QUrl> expected{QUrl::fromLocalFile(f.folder.filePath(f.kind.file))};
    QCOMPARE(f.shell.opened, opened ? expected : QList<QUrl>{});
  }

  void aFileThatCannotBeReplacedIsReported() {
    Fixture f;
    f.add(kRossi);
    f.folder.write(f.kind.file, "aperto in Excel");
    f.folder.makeReadOnly(f.kind.file);
    f.show();
    f.exportNow();
    QCOMPARE(f.messages.count(), 2);
    QCOMPARE(f.messages.entries[0].text, kAskExport);
    QCOMPARE(f.messages.last().form, Form::Plain);
    QCOMPARE(f.messages.last().text, kFailure);
    QVERIFY(f.shell.opened.isEmpty());
    QVERIFY(f.screen->isVisible());
    QCOMPARE(f.output(), QByteArray("aperto in Excel"));
  }

  // A full disk takes nothing away from reading: the grid holds every record,
  // without a word; only the export into the full program folder is refused.
  void aFullDiskStillFillsTheGrid() {
    SmallDisk disk(256);
    if (!disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    Fixture f(u"TfrmExpAccettazione"_s, disk.path());
    f.add(kRossi);
    f.add(kVerdi);
    disk.fill();
    f.show();
    QCOMPARE(f.grid().rowCount(), 2);
    QCOMPARE(f.cell(1, u"colDestinatario"_s), u"Anna Verdi"_s);
    QCOMPARE(f.messages.count(), 0);
    QVERIFY(f.screen->isVisible());
  }

  // A grid that could not be read would pass for the archive, and be
  // exported as the whole of it: the user is told, and the screen goes.
  void anUnreadableArchiveIsReportedAndTheScreenCloses_data() { addScreenRows(); }
  void anUnreadableArchiveIsReportedAndTheScreenCloses() {
    QFETCH(QString, screen);
    Fixture f(screen);
    // A folder where the archive should be: no system lets it be read as one.
    QVERIFY(QDir(f.folder.path()).mkdir(f.kind.archive.fileName));
    f.show();
    QCOMPARE(f.messages.count(), 1);
    QCOMPARE(f.messages.last().form, Form::Plain);
    QCOMPARE(f.messages.last().text, kArchiveAccess);
    QTRY_VERIFY(!f.screen->isVisible());
    QVERIFY(!f.folder.exists(f.kind.file));
  }

  void pointingShowsWhatAControlDoes_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::newRow("cmdEsporta") << u"cmdEsporta"_s
                                << u"Esporta l'archivio in formato Microsoft Excel."_s;
    QTest::newRow("cmdGuida") << u"cmdGuida"_s
                              << u"Visualizza la pagina della guida sensibile al contesto."_s;
    QTest::newRow("cmdEsci") << u"cmdEsci"_s << u"Esci da questo ambiente di lavoro."_s;
  }

  void pointingShowsWhatAControlDoes() {
    QFETCH(QString, control);
    QFETCH(QString, hint);
    Fixture f;
    f.show();
    QCOMPARE(f.info()->text(), u"Esportazione archivio in Microsoft Excel."_s);
    const QList<QWidget*> backgrounds{
        f.screen.get(), f.grid().view()->viewport(), f.screen->findChild<QWidget*>(u"shpSfondo"_s),
        f.screen->findChild<QWidget*>(u"shpInfo"_s), f.grid().view()->parentWidget()};
    for (QWidget* background : backgrounds) {
      QVERIFY(background);
      QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
      QApplication::sendEvent(f.button(control), &enter);
      QCOMPARE(f.info()->text(), hint);
      QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), QPointF(3, 3), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(background, &move);
      QVERIFY2(f.info()->text().isEmpty(), qPrintable(background->objectName()));
    }
  }

  void theGuideShowsThisScreensHelp_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("archive");
    QTest::newRow("TfrmExpAccettazione")
        << u"TfrmExpAccettazione"_s << u"Esportazione ricevute di accettazione in Microsoft Excel"_s
        << u"l'archivio delle ricevute di accettazione"_s;
    QTest::newRow("TfrmExpRicevimento")
        << u"TfrmExpRicevimento"_s << u"Esportazione avvisi di ricevimento in Microsoft Excel"_s
        << u"l'archivio degli avvisi di ricevimento"_s;
    QTest::newRow("TfrmExpAnagrafica")
        << u"TfrmExpAnagrafica"_s << u"Esportazione archivio anagrafico in Microsoft Excel"_s
        << u"l'archivio anagrafico"_s;
  }

  void theGuideShowsThisScreensHelp() {
    QFETCH(QString, screen);
    QFETCH(QString, title);
    QFETCH(QString, archive);
    Fixture f(screen);
    f.show();
    QString shownTitle, shownText;
    QTimer::singleShot(0, [&] {
      if (auto* guide = qobject_cast<TfrmGuida*>(QApplication::activeModalWidget())) {
        shownTitle = guide->title();
        shownText = guide->text();
        guide->close();
      }
    });
    QTest::mouseClick(f.button(u"cmdGuida"_s), Qt::LeftButton);
    QCOMPARE(shownTitle, title);
    QCOMPARE(shownText,
             u"Il pulsante Esporta archivio consente di esportare "_s + archive +
                 u" in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con "
                 "qualsiasi software in grado di gestire i file in formato XLS (ad esempio, "
                 "con Open Office, Libre Office o Microsoft Office).\r\n\r\n"
                 "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare "
                 "clic sull'icona di Excel. Questa operazione crea in tempo reale un file in "
                 "formato XLS contenente le schede in archivio, che potrà essere aperto "
                 "immediatamente rispondendo affermativamente al messaggio di domanda che "
                 "appare.\r\n\r\n"
                 "A questo punto è sufficiente salvare il file sul proprio disco fisso "
                 "assegnandogli un nome qualsiasi."_s);
  }

  void eachScreenHasItsCaptionAndGrid_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("columns");
    QTest::newRow("TfrmExpAccettazione")
        << u"TfrmExpAccettazione"_s << u" Esporta ricevute di accettazione in Microsoft Excel"_s
        << 23;
    QTest::newRow("TfrmExpRicevimento")
        << u"TfrmExpRicevimento"_s
        << u" Esporta archivio avvisi di ricevimento in Microsoft Excel"_s << 22;
    QTest::newRow("TfrmExpAnagrafica")
        << u"TfrmExpAnagrafica"_s << u" Esporta archivio anagrafico in Microsoft Excel"_s << 26;
  }

  void eachScreenHasItsCaptionAndGrid() {
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(int, columns);
    Fixture f(screen);
    f.add({});
    f.show();
    QCOMPARE(f.screen->windowTitle(), caption);
    QCOMPARE(f.screen->size(), QSize(862, 560));
    QCOMPARE(f.grid().columnCount(), columns);
    QCOMPARE(f.grid().horizontalHeaderItem(0).text(), u"N."_s);
    QCOMPARE(f.column(u"colNum"_s), 0);
    QCOMPARE(f.grid().view()->rowHeight(0), 21);
    QVERIFY(f.grid().view()->alternatingRowColors());
  }

  // A long export shows how many cards are written, in place of the help
  // line, and gives the line back at the end.
  void aLongExportShowsItsProgress() {
    Fixture f;
    for (int i = 0; i < 3; ++i) f.add(kRossi);
    f.show();
    auto* strip = f.screen->findChild<ProgressStrip*>(u"prgEsporta"_s);
    QVERIFY(strip);
    strip->setDelay(0);  // as if each card took a long time
    QStringList seen;
    f.messages.onMessage = [&](const RecordingMessages::Entry&) {
      seen << (strip->isVisible() ? strip->text() : QString());
    };
    StripWatch watch(strip);
    f.exportNow();
    QVERIFY2(watch.shown.contains(u"Schede esportate: 1 su 3"_s),
             qPrintable(watch.shown.join(u'|')));
    // Gone before the question about opening the file.
    QCOMPARE(seen, (QStringList{QString(), QString()}));
    QVERIFY(f.info()->isVisible());
    QVERIFY(f.output().endsWith(kDocumentEnd));
  }

  // The grid has the focus first; Tab goes round it and the four buttons
  // (out of the grid, not from cell to cell); each button has its key in its
  // tooltip, and Enter on it, or its key from anywhere, presses it.
  void everyButtonIsReachedByTabAndPressedByItsKey_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("cmdEsporta") << u"cmdEsporta"_s << QKeySequence(u"Ctrl+E"_s);
    QTest::newRow("cmdSalvaCome") << u"cmdSalvaCome"_s << QKeySequence(u"Ctrl+Shift+S"_s);
    QTest::newRow("cmdGuida") << u"cmdGuida"_s << QKeySequence(u"F1"_s);
    QTest::newRow("cmdEsci") << u"cmdEsci"_s << QKeySequence(u"Esc"_s);
  }
  void everyButtonIsReachedByTabAndPressedByItsKey() {
    QFETCH(QString, button);
    QFETCH(QKeySequence, key);
    auto focused = [] {
      return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    };
    for (const bool byEnter : {true, false}) {
      Fixture f;
      RecordingFileChooser chooser;  // "Salva come" asks for nothing
      f.messages.answers = {false};  // "Esporta" goes no further
      f.add(kRossi);
      f.show();
      QApplication::setActiveWindow(f.screen.get());
      QVERIFY(QTest::qWaitForWindowActive(f.screen.get()));
      QStringList round;
      for (int tab = 0; tab < 5; ++tab) {
        round << focused();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      }
      QCOMPARE(round, (QStringList{u"grdRecords"_s, u"cmdEsporta"_s, u"cmdSalvaCome"_s,
                                   u"cmdGuida"_s, u"cmdEsci"_s}));
      QCOMPARE(focused(), u"grdRecords"_s);
      QVERIFY(f.button(button)->toolTip().endsWith(u" ("_s +
                                                   key.toString(QKeySequence::NativeText) + u')'));

      // The guide is a modal screen of its own: whatever opens it closes it.
      bool guideShown = false;
      QTimer::singleShot(200, [&] {
        if (auto* guide = qobject_cast<TfrmGuida*>(QApplication::activeModalWidget())) {
          guideShown = true;
          guide->close();
        }
      });
      if (byEnter) {
        while (focused() != button) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      } else {
        // From the grid, where the user works.
        f.grid().view()->setFocus();
        if (button == u"cmdEsci") {
          // Esc in a cell being typed into only gives the typing up.
          const int sender = f.column(u"colMittente"_s);
          f.grid().setCurrentCell(0, sender);
          f.grid().editItem(f.grid().item(0, sender));
          QVERIFY(f.grid().view()->findChild<QLineEdit*>());
          QTest::keySequence(QApplication::focusWidget(), key);
          QTest::qWait(50);
          QVERIFY(f.screen->isVisible());
          QCOMPARE(focused(), u"grdRecords"_s);
        }
        QTest::keySequence(QApplication::focusWidget(), key);
      }
      if (button == u"cmdEsporta") QTRY_COMPARE(f.messages.count(), 1);
      if (button == u"cmdEsporta") QCOMPARE(f.messages.last().text, kAskExport);
      if (button == u"cmdSalvaCome") QTRY_COMPARE(chooser.questions.size(), 1);
      if (button == u"cmdGuida") QTRY_VERIFY(guideShown);
      if (button == u"cmdEsci") QTRY_VERIFY(!f.screen->isVisible());
    }
  }

  void exitClosesTheScreen() {
    Fixture f;
    f.show();
    QTest::mouseClick(f.button(u"cmdEsci"_s), Qt::LeftButton);
    QVERIFY(!f.screen->isVisible());
  }
};

QTEST_MAIN(ExportScreensTest)
#include "tst_exportscreens.moc"
