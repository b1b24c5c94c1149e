#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "archive/tscheda.h"
#include "export/exporttables.h"
#include "export/spreadsheetwriter.h"

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
    const QString soffice = QStandardPaths::findExecutable(u"soffice"_qs);
    if (soffice.isEmpty())
      QSKIP("LibreOffice (soffice) is not installed: the export is not read back by Calc");

    const QList<TSchedaAnagrafica> cards{
        card({{u"Nome"_qs, u"Rossi & Figli <sede>"_qs},
              {u"Cap01"_qs, u"0"_qs}, {u"Cap02"_qs, u"0"_qs}, {u"Cap03"_qs, u"1"_qs},
              {u"Cap04"_qs, u"8"_qs}, {u"Cap05"_qs, u"4"_qs},
              {u"PartitaIva"_qs, u"01234567890"_qs},
              {u"Tel"_qs, u"009"_qs},
              {u"DataNasc"_qs, u"07/03/1970"_qs}}),
        card({{u"Nome"_qs, u"Bianchi Anna"_qs}, {u"Note"_qs, u"</td></tr></table>"_qs}}),
        card({{u"Nome"_qs, u"Bar \"Sport\""_qs}, {u"Note"_qs, u"a, b; c & d"_qs},
              {u"Localita"_qs, u"Forlì"_qs}}),
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
    calc.start(soffice, {u"-env:UserInstallation="_qs +
                             QUrl::fromLocalFile(dir.filePath(u"profilo"_qs)).toString(),
                         u"--headless"_qs, u"--convert-to"_qs,
                         u"csv:Text - txt - csv (StarCalc):44,34,76"_qs,  // UTF-8
                         u"--outdir"_qs, dir.filePath(u"csv"_qs), xls});
    QVERIFY(calc.waitForFinished(90000));
    QFile csv(dir.filePath(u"csv/Anagrafica.csv"_qs));
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
    QCOMPARE(rows[1][0], u"Rossi & Figli <sede>"_qs);
    QCOMPARE(rows[1][2], u"00184"_qs);
  }
};

QTEST_GUILESS_MAIN(SpreadsheetCalcTest)
#include "tst_spreadsheetcalc.moc"
