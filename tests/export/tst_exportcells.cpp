#include <QTest>

#include "archive/tscheda.h"
#include "export/exporttables.h"

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

    const Fields cap{{u"CapDes01"_qs, u"2"_qs}, {u"CapDes02"_qs, u"0"_qs},
                     {u"CapDes03"_qs, u"1"_qs}, {u"CapDes04"_qs, u"2"_qs},
                     {u"CapDes05"_qs, u"1"_qs}};
    QTest::newRow("postcode of five boxes") << u"accettazione"_qs << cap << u"colCapDes"_qs
                                            << u"20121"_qs;
    QTest::newRow("postcode with empty boxes")
        << u"ricevimento"_qs << Fields{{u"CapMit02"_qs, u"4"_qs}, {u"CapMit05"_qs, u"9"_qs}}
        << u"colCapMit"_qs << u"49"_qs;
    QTest::newRow("province")
        << u"accettazione"_qs << Fields{{u"ProvMit01"_qs, u"M"_qs}, {u"ProvMit02"_qs, u"I"_qs}}
        << u"colProvMit"_qs << u"MI"_qs;
    Fields number;
    for (int n = 1; n <= 13; ++n)
      number.append({u"N%1"_qs.arg(n, 2, 10, QLatin1Char('0')), QString::number(n % 10)});
    QTest::newRow("return-receipt number of 13 boxes")
        << u"ricevimento"_qs << number << u"colNumAvviso"_qs << u"1234567890123"_qs;
    QTest::newRow("street and number")
        << u"anagrafica"_qs
        << Fields{{u"Indirizzo"_qs, u"Via Roma"_qs}, {u"Num"_qs, u"12/B"_qs}}
        << u"colIndirizzo"_qs << u"Via Roma 12/B"_qs;
    QTest::newRow("street without number keeps the blank")
        << u"anagrafica"_qs << Fields{{u"Indirizzo"_qs, u"Via Roma"_qs}} << u"colIndirizzo"_qs
        << u"Via Roma "_qs;
    QTest::newRow("flag shows its stored text")
        << u"accettazione"_qs << Fields{{u"Avviso"_qs, u"Sì"_qs}} << u"colAvviso"_qs
        << u"Sì"_qs;
    QTest::newRow("flag never stored is empty")
        << u"ricevimento"_qs << Fields{} << u"colConsegnata"_qs << QString();
    QTest::newRow("amount")
        << u"accettazione"_qs << Fields{{u"Cifre"_qs, u"12,50"_qs}} << u"colCifre"_qs
        << u"12,50"_qs;
    QTest::newRow("issuing body")
        << u"anagrafica"_qs << Fields{{u"EnteRil"_qs, u"Comune di Roma"_qs}}
        << u"colEnteRil"_qs << u"Comune di Roma"_qs;
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
    const QStringList attachments{u"File01"_qs, u"File02"_qs, u"File03"_qs,
                                  u"Desc01"_qs, u"Desc02"_qs, u"Desc03"_qs};
    QTest::newRow("accettazione")
        << u"accettazione"_qs
        << QStringList{u"Lettere"_qs, u"CC"_qs, u"Vaglia"_qs} + attachments;
    QTest::newRow("ricevimento") << u"ricevimento"_qs << QStringList{};
    QTest::newRow("anagrafica") << u"anagrafica"_qs
                                << QStringList{u"Sesso"_qs, u"DataRil"_qs} + attachments;
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
      record.setText(layout.name(f), u"X"_qs);
      if (rowCells(t.columns, record) == blank) unused.append(layout.name(f));
    }
    QCOMPARE(unused, leftOut);
  }

  void exportedHeadersAndWidths_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("headers");
    QTest::newRow("accettazione")
        << u"accettazione"_qs
        << u"Data spedizione=200|Contenuto raccomandata=400|Destinatario=300|"
           "Indirizzo=300|N. civico=200|CAP=150|Località=300|Prov.=150|Tel.=200|"
           "E-mail=250|Mittente=300|Indirizzo=300|N. civico=200|CAP=150|Località=300|"
           "Prov.=150|Tel.=200|E-mail=250|Avviso ricevimento=160|Contrassegno=160|"
           "Importo=160|Inviata=160"_qs.split(u'|');
    QTest::newRow("ricevimento")
        << u"ricevimento"_qs
        << u"Avviso n.=200|Data spedizione=180|Ufficio spedizione=250|"
           "Contenuto raccomandata=400|Destinatario=300|Via=300|N. civico=200|CAP=150|"
           "Località=300|Prov.=150|Mittente=300|Via=300|N. civico=200|CAP=150|"
           "Località=300|Prov.=150|Raccomandata=160|Pacco=160|Assicurata=160|Euro=200|"
           "Consegnata=160"_qs.split(u'|');
    QTest::newRow("anagrafica")
        << u"anagrafica"_qs
        << u"Nome, cognome o Ragione sociale=350|Indirizzo=350|CAP=180|Località=250|"
           "Prov.=180|Tel.=250|E-mail=300|Data di nascita=200|Luogo di nascita=250|"
           "Codice fiscale=250|Partita IVA=250|IBAN=300|PEC=300|Carta di credito n.=250|"
           "Scadenza=200|Tel. cellulare=250|Cittadinanza=250|Occupazione=300|"
           "Stato civile=250|Documento=300|Ente rilascio=300|Data scadenza=200|"
           "Prodotti di interesse=400|Questioni in sospeso=400|Note=400"_qs.split(u'|');
  }

  void exportedHeadersAndWidths() {
    QFETCH(QString, table);
    QFETCH(QStringList, headers);
    QCOMPARE(exportedHeaders(tableNamed(table)), headers);
  }
};

QTEST_GUILESS_MAIN(ExportCellsTest)
#include "tst_exportcells.moc"
