#include <QtTest>

#include "contactimport/csvreader.h"
#include "contactimport/importmessages.h"
#include "rows.h"

using Rows = QList<QStringList>;

class CsvReaderTest : public QObject {
  Q_OBJECT
 private slots:
  void readsFieldsAsSpreadsheetsWriteThem_data() {
    QTest::addColumn<QString>("csv");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<Rows>("rows");

    QTest::newRow("quoted separators, quotes and line breaks, CR LF")
        << u"Name,Address,Notes\r\n"
           "\"Rossi, Mario\",\"Via Roma 5\r\nScala B\",\"Dice \"\"buongiorno\"\"\"\r\n"
           "Bianchi,,\r\n"_qs
        << QStringList{u"Name"_qs, u"Address"_qs, u"Notes"_qs}
        << Rows{{u"Name=Rossi, Mario"_qs, u"Address=Via Roma 5\r\nScala B"_qs,
                 u"Notes=Dice \"buongiorno\""_qs},
                {u"Name=Bianchi"_qs, u"Address="_qs, u"Notes="_qs}};
    QTest::newRow("Italian Excel: semicolons, commas inside plain fields")
        << u"Nome;Indirizzo;CAP\nMario Rossi;Via Roma, 5;00100\n"_qs
        << QStringList{u"Nome"_qs, u"Indirizzo"_qs, u"CAP"_qs}
        << Rows{{u"Nome=Mario Rossi"_qs, u"Indirizzo=Via Roma, 5"_qs, u"CAP=00100"_qs}};
    QTest::newRow("tabs")
        << u"Nome\tTelefono\nAnna\t06 1234\n"_qs << QStringList{u"Nome"_qs, u"Telefono"_qs}
        << Rows{{u"Nome=Anna"_qs, u"Telefono=06 1234"_qs}};
    QTest::newRow("Excel's sep= line decides")
        << u"sep=,\r\nNome;Cognome,CAP\r\nAnna;Maria,00100\r\n"_qs
        << QStringList{u"Nome;Cognome"_qs, u"CAP"_qs}
        << Rows{{u"Nome;Cognome=Anna;Maria"_qs, u"CAP=00100"_qs}};
    QTest::newRow("blank lines and a last line without its break")
        << u"Nome;CAP\n\n;\nAnna;00100\n\nLuca;20100"_qs << QStringList{u"Nome"_qs, u"CAP"_qs}
        << Rows{{u"Nome=Anna"_qs, u"CAP=00100"_qs}, {u"Nome=Luca"_qs, u"CAP=20100"_qs}};
    QTest::newRow("Excel text formulas read as their text")
        << u"Nome;CAP;Tel\nAnna;\"=\"\"00100\"\"\";=\"+39 06\"&\"123\"\n"_qs
        << QStringList{u"Nome"_qs, u"CAP"_qs, u"Tel"_qs}
        << Rows{{u"Nome=Anna"_qs, u"CAP=00100"_qs, u"Tel=+39 06123"_qs}};
    QTest::newRow("empty and repeated column names made unique")
        << u"Telefono;;Telefono\n1;2;3\n"_qs
        << QStringList{u"Telefono"_qs, u"Colonna 2"_qs, u"Telefono (2)"_qs}
        << Rows{{u"Telefono=1"_qs, u"Colonna 2=2"_qs, u"Telefono (2)=3"_qs}};
    QTest::newRow("fields beyond the header kept under a name, empty ones dropped")
        << u"Nome;Note\nAnna;a;b;;\nLuca;c\n"_qs
        << QStringList{u"Nome"_qs, u"Note"_qs, u"Colonna 3"_qs}
        << Rows{{u"Nome=Anna"_qs, u"Note=a"_qs, u"Colonna 3=b"_qs},
                {u"Nome=Luca"_qs, u"Note=c"_qs}};
    QTest::newRow("one column, commas in the data")
        << u"Nominativo\nRossi, Mario\n"_qs << QStringList{u"Nominativo"_qs}
        << Rows{{u"Nominativo=Rossi, Mario"_qs}};
  }
  void readsFieldsAsSpreadsheetsWriteThem() {
    QFETCH(QString, csv);
    QFETCH(QStringList, names);
    QFETCH(Rows, rows);
    const ContactTable table = CsvReader().read(csv);
    QCOMPARE(table.names, names);
    Rows read;
    for (const ContactRow& row : table.rows) read.append(lines(row));
    QCOMPARE(read, rows);
  }

  void separatorIsTheOneTheHeaderUsesMost_data() {
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("format");
    QTest::newRow("semicolon") << u"Nome;Cognome;\"Via, civico\""_qs
                               << u"CSV, separatore punto e virgola"_qs;
    QTest::newRow("comma") << u"Nome,Cognome,\"Via; civico\""_qs << u"CSV, separatore virgola"_qs;
    QTest::newRow("tab") << u"Nome\tCognome,x\tVia"_qs << u"CSV, separatore tabulazione"_qs;
    QTest::newRow("none") << u"Nominativo"_qs << u"CSV, una sola colonna"_qs;
  }
  void separatorIsTheOneTheHeaderUsesMost() {
    QFETCH(QString, header);
    QFETCH(QString, format);
    QCOMPARE(CsvReader().read(header + u"\nx\n"_qs).format, format);
  }

  // Google Contacts gives each phone and e-mail address a label column;
  // the values are named after their labels, and several values in one
  // cell become several values.
  void googleLabelsNameTheValues() {
    const QString csv =
        u"First Name,Last Name,E-mail 1 - Label,E-mail 1 - Value,Phone 1 - Label,Phone 1 - Value,"
        "Phone 2 - Label,Phone 2 - Value,Address 1 - Label,Address 1 - Street\n"
        "Anna,Verdi,* Home,anna@example.it,Mobile,+39 333 1 ::: +39 333 2,Work,06 555,Home,"
        "Via Po 1\n"
        "Luca,Neri,,,Work,02 777,,,,\n"_qs;
    const ContactTable table = CsvReader().read(csv);
    QCOMPARE(table.rows.size(), 2);
    QCOMPARE(lines(table.rows[0]),
             (QStringList{u"First Name=Anna"_qs, u"Last Name=Verdi"_qs,
                          u"E-mail (Home)=anna@example.it"_qs, u"Phone (Mobile)=+39 333 1"_qs,
                          u"Phone (Mobile)=+39 333 2"_qs, u"Phone (Work)=06 555"_qs,
                          u"Address 1 - Label=Home"_qs, u"Address 1 - Street=Via Po 1"_qs}));
    QCOMPARE(lines(table.rows[1]),
             (QStringList{u"First Name=Luca"_qs, u"Last Name=Neri"_qs, u"Phone (Work)=02 777"_qs,
                          u"Address 1 - Label="_qs, u"Address 1 - Street="_qs}));
    QVERIFY(!table.names.contains(u"Phone 1 - Label"_qs));
    QVERIFY(table.names.contains(u"Phone (Work)"_qs));
  }

  void anUnclosedQuoteNamesTheLineWhereItOpens_data() {
    QTest::addColumn<QString>("csv");
    QTest::addColumn<int>("line");
    QTest::newRow("in the header") << u"\"Nome;CAP\nAnna;1\n"_qs << 1;
    QTest::newRow("after a quoted line break")
        << u"Nome;Note\r\nAnna;\"riga\r\ndue\"\r\nLuca;\"aperta\r\nAnna;x\r\n"_qs << 4;
  }
  void anUnclosedQuoteNamesTheLineWhereItOpens() {
    QFETCH(QString, csv);
    QFETCH(int, line);
    try {
      CsvReader().read(csv);
      QFAIL("read");
    } catch (const ContactFileError& error) {
      QCOMPARE(error.message(), ImportMessages::unclosedQuote(line));
    }
  }
};

QTEST_APPLESS_MAIN(CsvReaderTest)
#include "tst_csvreader.moc"
