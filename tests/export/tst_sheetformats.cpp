#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "core/csvtext.h"
#include "export/formats/odssheetwriter.h"
#include "export/formats/sheetformats.h"
#include "sheetreadback.h"
#include "sheetsample.h"
#include "support/smalldisk.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

void addFormats() {
  QTest::addColumn<QString>("extension");
  for (const SheetFormat& format : SheetFormats::all())
    QTest::newRow(qPrintable(format.extension)) << format.extension;
}

const SheetFormat& formatFor(const QString& extension) {
  return *SheetFormats::forPath(u"x."_s + extension);
}

}  // namespace

class SheetFormatsTest : public QObject {
  Q_OBJECT
 private slots:
  void eachFormatReadsBackAsTheSheet_data() { addFormats(); }
  void eachFormatReadsBackAsTheSheet() {
    QFETCH(QString, extension);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Anagrafica."_s + extension);
    const SheetContent sheet = trickySheet();
    SheetFormats::save(formatFor(extension), sheet, path);
    QCOMPARE(SheetReadBack::any(path), asRows(sheet));
    // A plain new file, readable by the others on a shared folder.
    QVERIFY(QFileInfo(path).permissions().testFlag(QFileDevice::ReadOther));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(path).fileName()});
  }

  void theOpenDocumentPackageIsWellFormed() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"x.ods"_s);
    SheetFormats::save(formatFor(u"ods"_s), trickySheet(), path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // The mimetype first and stored, so that the type shows at byte 38.
    QCOMPARE(file.read(30 + 8 + 46).mid(30),
             QByteArray("mimetypeapplication/vnd.oasis.opendocument.spreadsheet"));
    QCOMPARE(SheetReadBack::zipNames(path),
             (QStringList{u"mimetype"_s, u"META-INF/manifest.xml"_s, u"content.xml"_s}));
    const QByteArray content = SheetReadBack::zipEntry(path, u"content.xml"_s);
    QCOMPARE(content, OdsSheetWriter::content(trickySheet()));
    QCOMPARE(content.count("office:value-type=\"string\""), 6 * 5);
    QVERIFY(content.contains("table:name=\"Archivio Anagrafico\""));
    QVERIFY(content.contains("<number:text-style style:name=\"Ntesto\"><number:text-content/>"));
  }

  void theWorkbookKeepsEveryCellAsText() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"x.xlsx"_s);
    SheetFormats::save(formatFor(u"xlsx"_s), trickySheet(), path);
    const QByteArray sheet = SheetReadBack::zipEntry(path, u"xl/worksheets/sheet1.xml"_s);
    QCOMPARE(sheet.count("<c "), 6 * 5);
    // Strings in the cells themselves: no table of shared strings grows
    // with the rows.
    QCOMPARE(sheet.count("t=\"inlineStr\""), 6 * 5);
    QVERIFY(SheetReadBack::zipEntry(path, u"xl/styles.xml"_s).contains("numFmtId=\"49\""));
    QVERIFY(SheetReadBack::zipEntry(path, u"xl/workbook.xml"_s)
                .contains("name=\"Archivio Anagrafico\""));
  }

  // RFC 4180 and nothing more: a field is quoted when it holds the
  // separator, a comma, a tab, a quote, a line break or blanks at an end,
  // and otherwise written as it is, digits included.
  void theCsvIsPlainRfc4180() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"x.csv"_s);
    SheetFormats::save(formatFor(u"csv"_s),
                       SheetContent::ofRows(u"x"_s, {u"Nome, cognome"_s, u"CAP"_s, u"Note"_s}, {},
                                            {{u"Anna; C."_s, u"00100"_s, u"-"_s},
                                             {u"Luca \"il\""_s, QString(), u"Forlì"_s},
                                             {u"=1+1"_s, u"a\nb"_s, u"c\r\nd"_s},
                                             {u"Via\tRoma"_s, u" x"_s, u"2,5"_s}}),
                       path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBF\"Nome, cognome\";CAP;Note\r\n"
                                        "\"Anna; C.\";00100;-\r\n"
                                        "\"Luca \"\"il\"\"\";;Forl\xC3\xAC\r\n"
                                        "=1+1;\"a\nb\";\"c\r\nd\"\r\n"
                                        "\"Via\tRoma\";\" x\";\"2,5\"\r\n"));
  }

  // Files of older versions, and of spreadsheets, wrap such cells as
  // formulas; the contact import reads them back as their text.
  void textFormulasReadBackAsTheirText_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<std::optional<QString>>("text");
    QTest::newRow("plain") << u"=\"00100\""_s << std::optional(u"00100"_s);
    QTest::newRow("quotes") << u"=\"a\"\"b\""_s << std::optional(u"a\"b"_s);
    QTest::newRow("256 characters")
        << u"=\""_s + QString(255, u'1') + u"\"&\"1\""_s << std::optional(QString(256, u'1'));
    QTest::newRow("a reference") << u"=A1"_s << std::optional<QString>();
    QTest::newRow("a literal and a reference") << u"=\"a\"&B1"_s << std::optional<QString>();
    QTest::newRow("unclosed") << u"=\"a"_s << std::optional<QString>();
  }
  void textFormulasReadBackAsTheirText() {
    QFETCH(QString, formula);
    QFETCH(std::optional<QString>, text);
    QCOMPARE(CsvText::fromTextFormula(formula), text);
  }

  void theFormatFollowsTheExtension() {
    QCOMPARE(SheetFormats::forPath(u"/a/b.ODS"_s)->extension, u"ods"_s);
    QCOMPARE(SheetFormats::forPath(u"b.xlsx"_s)->extension, u"xlsx"_s);
    QCOMPARE(SheetFormats::forPath(u"b.Csv"_s)->extension, u"csv"_s);
    QCOMPARE(SheetFormats::forPath(u"b.xls"_s), nullptr);
    QCOMPARE(SheetFormats::forPath(u"ods"_s), nullptr);
  }

  // A save that fails keeps the file that was there, and leaves nothing of
  // its own behind.
  void aFullDiskKeepsTheOldFile_data() { addFormats(); }
  void aFullDiskKeepsTheOldFile() {
    QFETCH(QString, extension);
    SmallDisk disk(64);
    if (!disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    const QString path = disk.filePath(u"Anagrafica."_s + extension);
    SheetFormats::save(formatFor(extension), trickySheet(), path);
    const QByteArray before = [&] {
      QFile f(path);
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QList<QStringList> rows = asRows(trickySheet());
    const QStringList headers = rows.takeFirst();
    // Text that does not compress, so that the zip formats fill the disk too.
    QRandomGenerator random(7);
    for (int r = 0; r < 400; ++r) {
      QStringList row;
      for (int c = 0; c < 6; ++c) {
        QString cell;
        for (int i = 0; i < 100; ++i) cell += QChar(u'a' + random.bounded(26));
        row.append(cell);
      }
      rows.append(row);
    }
    const SheetContent big = SheetContent::ofRows(u"x"_s, headers, {}, rows);
    QVERIFY_THROWS_EXCEPTION(SheetFileError, SheetFormats::save(formatFor(extension), big, path));
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(path).fileName()});
  }

  // The failure is the user's to hear in Italian, with why it failed left
  // for the log.
  void aFailureTellsTheUserAndKeepsItsCauseForTheLog_data() { addFormats(); }
  void aFailureTellsTheUserAndKeepsItsCauseForTheLog() {
    QFETCH(QString, extension);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"manca/x."_s + extension);
    try {
      SheetFormats::save(formatFor(extension), trickySheet(), path);
      QFAIL("saved into a folder that is not there");
    } catch (const UserError& error) {
      QCOMPARE(error.userMessage(),
               u"Attenzione: il sistema non permette di salvare i dati nel file scelto.\n\r\n\r"
               "Accertarsi che il file non sia già aperto e che la cartella consenta la "
               "scrittura."_s);
      QVERIFY2(QString::fromUtf8(error.what()).contains(u"manca"_s), error.what());
    }
  }

  void aFolderThatCannotBeWrittenIsAFailure_data() { addFormats(); }
  void aFolderThatCannotBeWrittenIsAFailure() {
    QFETCH(QString, extension);
    TestFolder folder;
    if (!folder.makeReadOnly()) QSKIP(TestFolder::kCannotMakeReadOnly);
    QVERIFY_THROWS_EXCEPTION(SheetFileError,
                             SheetFormats::save(formatFor(extension), trickySheet(),
                                                folder.filePath(u"x."_s + extension)));
    QVERIFY(!folder.exists(u"x."_s + extension));
  }
};

QTEST_APPLESS_MAIN(SheetFormatsTest)
#include "tst_sheetformats.moc"
