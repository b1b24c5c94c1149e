#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "export/formats/sheetformats.h"
#include "sheetreadback.h"
#include "sheetsample.h"

using namespace velinda;

using namespace Qt::StringLiterals;

// Each saved format opened by LibreOffice Calc and written back as CSV by
// it: what an office suite shows must be the grid, cell for cell.
class SheetFormatsInCalcTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    soffice_ = QStandardPaths::findExecutable(u"soffice"_s);
    if (soffice_.isEmpty())
      QSKIP(
          "LibreOffice (soffice) is not installed: the formats are checked by their own "
          "readers only");
    QVERIFY(profile_.isValid());
  }

  void eachFormatOpensInCalcAsTheSheet_data() {
    QTest::addColumn<QString>("extension");
    for (const SheetFormat& format : SheetFormats::all())
      QTest::newRow(qPrintable(format.extension)) << format.extension;
  }
  void eachFormatOpensInCalcAsTheSheet() {
    QFETCH(QString, extension);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Anagrafica."_s + extension);
    const SheetContent sheet = trickySheet();
    SheetFormats::save(*SheetFormats::forPath(path), sheet, path);

    // A profile of the test's own, so that a LibreOffice running elsewhere
    // does not take the conversion over.
    const QString profile = QUrl::fromLocalFile(profile_.path()).toString();
    QStringList arguments{u"--headless"_s, u"--norestore"_s, u"-env:UserInstallation="_s + profile};
    // A CSV opens with Calc's own defaults for its import dialog: comma,
    // semicolon and tab as separators, the double quote around text, no
    // special numbers, formulas not evaluated; UTF-8 as the byte-order mark
    // says, and the Italian language of the office.
    if (extension == u"csv")
      arguments << u"--infilter=CSV:44/59/9,34,76,1,,1040,false,false,false,false,false,-1,false"_s;
    arguments << u"--convert-to"_s
              << u"csv:Text - txt - csv (StarCalc):59,34,76,1,,1040,true,false,true"_s
              << u"--outdir"_s << dir.filePath(u"calc"_s) << path;
    QProcess calc;
    calc.start(soffice_, arguments);
    QVERIFY(calc.waitForFinished(240'000));
    QCOMPARE(calc.exitCode(), 0);
    QList<QStringList> expected = asRows(sheet);
    // LibreOffice drops a tab inside a cell when it loads an .ods, one it
    // saved itself too; the package holds it (tst_sheetformats).
    if (extension == u"ods") {
      for (QStringList& row : expected) row.replaceInStrings(u"\t"_s, QString());
    }
    // A CSV has no cells of text, so a spreadsheet takes what looks like a
    // number for one: the postcode loses its zeros and the amount becomes
    // 12.5 (what the save dialog warns of). Every other cell reads back as
    // written, each in its own column.
    if (extension == u"csv") {
      QCOMPARE(expected[1][1], u"00100"_s);
      expected[1][1] = u"100"_s;
      QCOMPARE(expected[1][3], u"12,50"_s);
      expected[1][3] = u"12.5"_s;
    }
    QCOMPARE(SheetReadBack::csv(dir.filePath(u"calc/Anagrafica.csv"_s)), expected);
  }

 private:
  QString soffice_;
  QTemporaryDir profile_;
};

QTEST_APPLESS_MAIN(SheetFormatsInCalcTest)
#include "tst_sheetformats_office.moc"
