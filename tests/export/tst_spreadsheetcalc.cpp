#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "archive/tscheda.h"
#include "export/exporttables.h"
#include "export/spreadsheetwriter.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

TSchedaAnagrafica card(const QList<QPair<QString, QString>>& fields) {
  TSchedaAnagrafica r;
  for (const auto& [name, text] : fields) r.setText(name, text);
  return r;
}

// Comma-separated values with double-quoted fields, as LibreOffice writes them.
QList<QStringList> parseCsv(const QString& text) {
  QList<QStringList> rows;
  QStringList row;
  QString field;
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (quoted) {
      if (c != u'"') {
        field += c;
      } else if (i + 1 < text.size() && text.at(i + 1) == u'"') {
        field += c;
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == u'"') {
      quoted = true;
    } else if (c == u',') {
      row << field;
      field.clear();
    } else if (c == u'\n') {
      row << field;
      rows << row;
      row.clear();
      field.clear();
    } else if (c != u'\r') {
      field += c;
    }
  }
  if (!field.isEmpty() || !row.isEmpty()) rows << (row << field);
  return rows;
}

}  // namespace

// The address-book export as LibreOffice Calc reads it back: every text
// exactly as written, one row per card, leading zeros kept.
class SpreadsheetCalcTest : public QObject {
  Q_OBJECT
 private slots:
  void readsBackExactlyOneRowPerCard() {
    const QString soffice = QStandardPaths::findExecutable(u"soffice"_s);
    if (soffice.isEmpty())
      QSKIP("LibreOffice (soffice) is not installed: the export is not read back by Calc");

    const QList<TSchedaAnagrafica> cards{
        card({{u"Nome"_s, u"Rossi & Figli <sede>"_s},
              // clang-format off
              {u"Cap01"_s, u"0"_s}, {u"Cap02"_s, u"0"_s}, {u"Cap03"_s, u"1"_s},
              {u"Cap04"_s, u"8"_s}, {u"Cap05"_s, u"4"_s},
              // clang-format on
              {u"PartitaIva"_s, u"01234567890"_s},
              {u"Tel"_s, u"009"_s},
              {u"DataNasc"_s, u"07/03/1970"_s}}),
        card({{u"Nome"_s, u"Bianchi Anna"_s}, {u"Note"_s, u"</td></tr></table>"_s}}),
        card({{u"Nome"_s, u"Bar \"Sport\""_s},
              {u"Note"_s, u"a, b; c & d"_s},
              {u"Localita"_s, u"Forlì"_s}}),
    };
    const ExportTable& table = addressBookExport();
    QTemporaryDir dir;
    const QString xls = dir.filePath(table.outputFile);
    {
      QFile file(xls);
      QVERIFY(file.open(QIODevice::WriteOnly));
      SpreadsheetWriter writer(file);
      writer.writeStart(table.worksheetName, table.columns);
      for (const TSchedaAnagrafica& c : cards) writer.writeRow(rowCells(table.columns, c));
      writer.writeEnd();
    }

    QProcess calc;
    calc.start(soffice, {u"-env:UserInstallation="_s +
                             QUrl::fromLocalFile(dir.filePath(u"profilo"_s)).toString(),
                         u"--headless"_s, u"--convert-to"_s,
                         u"csv:Text - txt - csv (StarCalc):44,34,76"_s,  // UTF-8
                         u"--outdir"_s, dir.filePath(u"csv"_s), xls});
    QVERIFY(calc.waitForFinished(90000));
    QFile csv(dir.filePath(u"csv/Anagrafica.csv"_s));
    QVERIFY2(csv.open(QIODevice::ReadOnly), calc.readAllStandardError().constData());
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(csv.readAll()));

    QStringList headers;
    for (const ExportColumn& column : table.columns) headers << column.exportHeader;
    QCOMPARE(rows.size(), 1 + cards.size());
    QCOMPARE(rows[0], headers);
    for (qsizetype i = 0; i < cards.size(); ++i) {
      QStringList cells = rowCells(table.columns, cards[i]);
      for (QString& cell : cells) cell = cell.trimmed();
      QCOMPARE(rows[i + 1], cells);
    }
    QCOMPARE(rows[1][0], u"Rossi & Figli <sede>"_s);
    QCOMPARE(rows[1][2], u"00184"_s);
  }
};

QTEST_GUILESS_MAIN(SpreadsheetCalcTest)
#include "tst_spreadsheetcalc.moc"
