#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "export/formats/csvtext.h"
#include "export/formats/odssheetwriter.h"
#include "export/formats/sheetformats.h"
#include "sheetreadback.h"
#include "sheetsample.h"
#include "support/smalldisk.h"
#include "support/testfolder.h"

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
    QCOMPARE(content.count("office:value-type=\"string\""), 6 * 4);
    QVERIFY(content.contains("table:name=\"Archivio Anagrafico\""));
    QVERIFY(content.contains("<number:text-style style:name=\"Ntesto\"><number:text-content/>"));
  }

  void theWorkbookKeepsEveryCellAsText() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"x.xlsx"_s);
    SheetFormats::save(formatFor(u"xlsx"_s), trickySheet(), path);
    const QByteArray sheet = SheetReadBack::zipEntry(path, u"xl/worksheets/sheet1.xml"_s);
    QCOMPARE(sheet.count("<c "), 6 * 4);
    QCOMPARE(sheet.count("t=\"s\""), 6 * 4);
    QVERIFY(SheetReadBack::zipEntry(path, u"xl/styles.xml"_s).contains("numFmtId=\"49\""));
    QVERIFY(SheetReadBack::zipEntry(path, u"xl/workbook.xml"_s)
                .contains("name=\"Archivio Anagrafico\""));
  }

  void theCsvIsWhatItalianExcelOpens() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"x.csv"_s);
    SheetFormats::save(formatFor(u"csv"_s), {u"x"_s, {u"Nome"_s, u"CAP"_s, u"Note"_s}, {},
                                              {{u"Anna; C."_s, u"00100"_s, u"-"_s},
                                               {u"Luca \"il\""_s, QString(), u"Forlì"_s}}},
                       path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBFNome;CAP;Note\r\n"
                                        "\"Anna; C.\";\"=\"\"00100\"\"\";\"=\"\"-\"\"\"\r\n"
                                        "\"Luca \"\"il\"\"\";;Forl\xC3\xAC\r\n"));
  }

  void textFormulasTravelBothWays_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("formula");
    QTest::newRow("plain") << u"00100"_s << u"=\"00100\""_s;
    QTest::newRow("quotes") << u"a\"b"_s << u"=\"a\"\"b\""_s;
    QTest::newRow("256 characters")
        << QString(256, u'1') << u"=\""_s + QString(255, u'1') + u"\"&\"1\""_s;
  }
  void textFormulasTravelBothWays() {
    QFETCH(QString, text);
    QFETCH(QString, formula);
    QCOMPARE(CsvText::textFormula(text), formula);
    QCOMPARE(CsvText::fromTextFormula(formula), std::optional<QString>(text));
    QCOMPARE(CsvText::fromTextFormula(u"=A1"_s), std::nullopt);
    QCOMPARE(CsvText::fromTextFormula(u"=\"a\"&B1"_s), std::nullopt);
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
    SheetContent small = trickySheet();
    SheetFormats::save(formatFor(extension), small, path);
    const QByteArray before = [&] {
      QFile f(path);
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    SheetContent big = small;
    // Text that does not compress, so that the zip formats fill the disk too.
    QRandomGenerator random(7);
    for (int r = 0; r < 400; ++r) {
      QStringList row;
      for (int c = 0; c < 6; ++c) {
        QString cell;
        for (int i = 0; i < 100; ++i) cell += QChar(u'a' + random.bounded(26));
        row.append(cell);
      }
      big.rows.append(row);
    }
    QVERIFY_THROWS_EXCEPTION(SheetFileError, SheetFormats::save(formatFor(extension), big, path));
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(path).fileName()});
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
