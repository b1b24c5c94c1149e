#include <QTest>

#include "archive/tscheda.h"
#include "export/exporttables.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

using Fields = QList<QPair<QString, QString>>;

const ExportTable& tableNamed(const QString& name) {
  if (name == u"accettazione") return acceptanceExport();
  if (name == u"ricevimento") return returnReceiptExport();
  return addressBookExport();
}

int columnIndex(const ExportTable& table, const QString& gridName) {
  for (int c = 0; c < table.columns.size(); ++c)
    if (table.columns[c].gridName == gridName) return c;
  return -1;
}

// "Header=width" for every exported column, in order.
QStringList exportedHeaders(const ExportTable& table) {
  QStringList headers;
  for (const ExportColumn& column : table.columns)
    headers.append(column.exportHeader + u'=' + QString::number(column.exportWidth));
  return headers;
}

}  // namespace

class ExportCellsTest : public QObject {
  Q_OBJECT
 private slots:
  void cellsJoinTheirFields_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("expected");

    const Fields cap{{u"CapDes01"_s, u"2"_s},
                     {u"CapDes02"_s, u"0"_s},
                     {u"CapDes03"_s, u"1"_s},
                     {u"CapDes04"_s, u"2"_s},
                     {u"CapDes05"_s, u"1"_s}};
    QTest::newRow("postcode of five boxes")
        << u"accettazione"_s << cap << u"colCapDes"_s << u"20121"_s;
    QTest::newRow("postcode with empty boxes")
        << u"ricevimento"_s << Fields{{u"CapMit02"_s, u"4"_s}, {u"CapMit05"_s, u"9"_s}}
        << u"colCapMit"_s << u"49"_s;
    QTest::newRow("province") << u"accettazione"_s
                              << Fields{{u"ProvMit01"_s, u"M"_s}, {u"ProvMit02"_s, u"I"_s}}
                              << u"colProvMit"_s << u"MI"_s;
    Fields number;
    for (int n = 1; n <= 13; ++n)
      number.append({u"N%1"_s.arg(n, 2, 10, QLatin1Char('0')), QString::number(n % 10)});
    QTest::newRow("return-receipt number of 13 boxes")
        << u"ricevimento"_s << number << u"colNumAvviso"_s << u"1234567890123"_s;
    QTest::newRow("street and number")
        << u"anagrafica"_s << Fields{{u"Indirizzo"_s, u"Via Roma"_s}, {u"Num"_s, u"12/B"_s}}
        << u"colIndirizzo"_s << u"Via Roma 12/B"_s;
    QTest::newRow("street without number keeps the blank")
        << u"anagrafica"_s << Fields{{u"Indirizzo"_s, u"Via Roma"_s}} << u"colIndirizzo"_s
        << u"Via Roma "_s;
    QTest::newRow("flag shows its stored text")
        << u"accettazione"_s << Fields{{u"Avviso"_s, u"Sì"_s}} << u"colAvviso"_s << u"Sì"_s;
    QTest::newRow("flag never stored is empty")
        << u"ricevimento"_s << Fields{} << u"colConsegnata"_s << QString();
    QTest::newRow("amount") << u"accettazione"_s << Fields{{u"Cifre"_s, u"12,50"_s}}
                            << u"colCifre"_s << u"12,50"_s;
    QTest::newRow("issuing body") << u"anagrafica"_s << Fields{{u"EnteRil"_s, u"Comune di Roma"_s}}
                                  << u"colEnteRil"_s << u"Comune di Roma"_s;
  }

  void cellsJoinTheirFields() {
    QFETCH(QString, table);
    QFETCH(Fields, fields);
    QFETCH(QString, column);
    QFETCH(QString, expected);
    const ExportTable& t = tableNamed(table);
    TScheda record(t.archive.layout);
    for (const auto& [name, value] : fields) record.setText(name, value);
    const int index = columnIndex(t, column);
    QVERIFY2(index >= 0, qPrintable(column));
    const QStringList cells = rowCells(t.columns, record);
    QCOMPARE(cells.size(), t.columns.size());
    QCOMPARE(cells[index], expected);
  }

  // Every field reaches some column, except those the export leaves out.
  void onlyTheListedFieldsAreLeftOut_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("leftOut");
    const QStringList attachments{u"File01"_s, u"File02"_s, u"File03"_s,
                                  u"Desc01"_s, u"Desc02"_s, u"Desc03"_s};
    QTest::newRow("accettazione") << u"accettazione"_s
                                  << QStringList{u"Lettere"_s, u"CC"_s, u"Vaglia"_s} + attachments;
    QTest::newRow("ricevimento") << u"ricevimento"_s << QStringList{};
    QTest::newRow("anagrafica") << u"anagrafica"_s
                                << QStringList{u"Sesso"_s, u"DataRil"_s} + attachments;
  }

  void onlyTheListedFieldsAreLeftOut() {
    QFETCH(QString, table);
    QFETCH(QStringList, leftOut);
    const ExportTable& t = tableNamed(table);
    const RecordLayout& layout = t.archive.layout;
    const QStringList blank = rowCells(t.columns, TScheda(layout));
    QStringList unused;
    for (int f = 0; f < layout.fieldCount(); ++f) {
      TScheda record(layout);
      record.setText(layout.name(f), u"X"_s);
      if (rowCells(t.columns, record) == blank) unused.append(layout.name(f));
    }
    QCOMPARE(unused, leftOut);
  }

  void exportedHeadersAndWidths_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("headers");
    QTest::newRow("accettazione")
        << u"accettazione"_s
        << u"Data spedizione=200|Contenuto raccomandata=400|Destinatario=300|"
           "Indirizzo=300|N. civico=200|CAP=150|Località=300|Prov.=150|Tel.=200|"
           "E-mail=250|Mittente=300|Indirizzo=300|N. civico=200|CAP=150|Località=300|"
           "Prov.=150|Tel.=200|E-mail=250|Avviso ricevimento=160|Contrassegno=160|"
           "Importo=160|Inviata=160"_s.split(u'|');
    QTest::newRow("ricevimento")
        << u"ricevimento"_s
        << u"Avviso n.=200|Data spedizione=180|Ufficio spedizione=250|"
           "Contenuto raccomandata=400|Destinatario=300|Via=300|N. civico=200|CAP=150|"
           "Località=300|Prov.=150|Mittente=300|Via=300|N. civico=200|CAP=150|"
           "Località=300|Prov.=150|Raccomandata=160|Pacco=160|Assicurata=160|Euro=200|"
           "Consegnata=160"_s.split(u'|');
    QTest::newRow("anagrafica")
        << u"anagrafica"_s
        << u"Nome, cognome o Ragione sociale=350|Indirizzo=350|CAP=180|Località=250|"
           "Prov.=180|Tel.=250|E-mail=300|Data di nascita=200|Luogo di nascita=250|"
           "Codice fiscale=250|Partita IVA=250|IBAN=300|PEC=300|Carta di credito n.=250|"
           "Scadenza=200|Tel. cellulare=250|Cittadinanza=250|Occupazione=300|"
           "Stato civile=250|Documento=300|Ente rilascio=300|Data scadenza=200|"
           "Prodotti di interesse=400|Questioni in sospeso=400|Note=400"_s.split(u'|');
  }

  void exportedHeadersAndWidths() {
    QFETCH(QString, table);
    QFETCH(QStringList, headers);
    QCOMPARE(exportedHeaders(tableNamed(table)), headers);
  }
};

QTEST_GUILESS_MAIN(ExportCellsTest)
#include "tst_exportcells.moc"
