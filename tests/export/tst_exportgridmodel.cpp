#include <QTest>

#include "archive/tarchivio.h"
#include "export/exportgridmodel.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

const ExportTable& tableNamed(const QString& name) {
  if (name == u"accettazione") return acceptanceExport();
  if (name == u"ricevimento") return returnReceiptExport();
  return addressBookExport();
}

// A record whose every field holds a text of its own, padded with blanks and
// with an accented letter, cut to the field's capacity.
TScheda everyFieldSet(const RecordLayout& layout, int seed) {
  TScheda record(layout);
  for (int f = 0; f < layout.fieldCount(); ++f) {
    const QString text = u"%1 città %2"_s.arg(layout.name(f)).arg(seed);
    record.field(f).FromText(text.left(layout.field(f).capacity));
  }
  return record;
}

void writeArchive(const ExportTable& table, const QList<TScheda>& records) {
  TArchivio file(table.archive);
  file.Open();
  for (const TScheda& record : records) file.Append(record);
  file.Close();
}

}  // namespace

class ExportGridModelTest : public QObject {
  Q_OBJECT
 private slots:
  void addRows() {
    QTest::addColumn<QString>("table");
    for (const char* name : {"accettazione", "ricevimento", "anagrafica"})
      QTest::newRow(name) << QString::fromLatin1(name);
  }

  // Cells made on demand from what the grid keeps are the cells of the
  // records themselves, blanks, damaged lengths and all.
  void cellsAreThoseOfTheRecords_data() { addRows(); }
  void cellsAreThoseOfTheRecords() {
    QFETCH(QString, table);
    const ExportTable& t = tableNamed(table);
    const RecordLayout& layout = t.archive.layout;
    TestFolder folder;
    QList<TScheda> records{everyFieldSet(layout, 1), TScheda(layout), everyFieldSet(layout, 3)};
    // Blanks stored around a text, and a length byte beyond the capacity.
    TScheda& odd = records[1];
    int padded = 0;  // the first column of one roomy field
    while (layout.field(layout.indexOf(t.columns[padded].cell.fields.first())).capacity < 7)
      ++padded;
    const int field = layout.indexOf(t.columns[padded].cell.fields.first());
    odd.bytes()[layout.offset(field)] = char(7);
    odd.bytes().replace(layout.offset(field) + 1, 7, "  ab \t ");
    const int last = layout.indexOf(t.columns.last().cell.fields.last());
    odd.bytes()[layout.offset(last)] = char(0xFF);
    writeArchive(t, records);

    ExportGridModel grid(t);
    grid.fill();
    QCOMPARE(grid.rowCount(), 3);
    QCOMPARE(grid.columnCount(), t.columns.size() + 1);
    for (int row = 0; row < 3; ++row) {
      const QStringList expected = rowCells(t.columns, records[row]);
      QCOMPARE(grid.exportedRow(row), expected);
      QCOMPARE(grid.shownText(row, 0), QString::number(row + 1));
      for (int c = 0; c < expected.size(); ++c) {
        QCOMPARE(grid.shownText(row, c + 1), expected[c]);
        QCOMPARE(grid.index(row, c + 1).data(), QVariant(expected[c]));
      }
    }
    QCOMPARE(grid.shownText(1, padded + 1), u"ab"_s);

    QCOMPARE(grid.header(0), u"N."_s);
    QCOMPARE(grid.headerData(0, Qt::Horizontal, Qt::UserRole), QVariant(u"colNum"_s));
    for (int c = 0; c < t.columns.size(); ++c) {
      QCOMPARE(grid.header(c + 1), t.columns[c].gridHeader);
      QCOMPARE(grid.headerData(c + 1, Qt::Horizontal, Qt::DisplayRole),
               QVariant(t.columns[c].gridHeader));
      QCOMPARE(grid.headerData(c + 1, Qt::Horizontal, Qt::UserRole),
               QVariant(t.columns[c].gridName));
    }
  }

  // A typed cell is shown and exported in place of the record's text, for
  // that cell alone; a column that is not editable takes nothing.
  void typedCellsReplaceTheirCellOnly_data() { addRows(); }
  void typedCellsReplaceTheirCellOnly() {
    QFETCH(QString, table);
    const ExportTable& t = tableNamed(table);
    TestFolder folder;
    const QList<TScheda> records{everyFieldSet(t.archive.layout, 1),
                                 everyFieldSet(t.archive.layout, 2)};
    writeArchive(t, records);
    ExportGridModel grid(t);
    grid.fill();

    int editable = -1;
    int fixed = -1;
    for (int c = 0; c < t.columns.size(); ++c) (t.columns[c].editable ? editable : fixed) = c + 1;
    QVERIFY(editable > 0 && fixed > 0);
    QVERIFY(grid.flags(grid.index(0, editable)) & Qt::ItemIsEditable);
    QVERIFY(!(grid.flags(grid.index(0, fixed)) & Qt::ItemIsEditable));
    QVERIFY(!(grid.flags(grid.index(0, 0)) & Qt::ItemIsEditable));

    QVERIFY(grid.setData(grid.index(1, editable), u"  scritto a mano & co. "_s, Qt::EditRole));
    QVERIFY(!grid.setData(grid.index(1, fixed), u"no"_s, Qt::EditRole));
    QVERIFY(!grid.setData(grid.index(1, 0), u"99"_s, Qt::EditRole));

    QStringList expected = rowCells(t.columns, records[1]);
    expected[editable - 1] = u"  scritto a mano & co. "_s;
    QCOMPARE(grid.exportedRow(1), expected);
    QCOMPARE(grid.index(1, editable).data(Qt::EditRole), QVariant(expected[editable - 1]));
    QCOMPARE(grid.exportedRow(0), rowCells(t.columns, records[0]));
    QCOMPARE(grid.shownText(1, 0), u"2"_s);
  }
};

QTEST_APPLESS_MAIN(ExportGridModelTest)
#include "tst_exportgridmodel.moc"
