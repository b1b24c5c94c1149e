#include <QtTest>

#include "contactimport/csvreader.h"
#include "contactimport/importmessages.h"
#include "rows.h"

using namespace velinda;

using namespace Qt::StringLiterals;

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
           "Bianchi,,\r\n"_s
        << QStringList{u"Name"_s, u"Address"_s, u"Notes"_s}
        << Rows{{u"Name=Rossi, Mario"_s, u"Address=Via Roma 5\r\nScala B"_s,
                 u"Notes=Dice \"buongiorno\""_s},
                {u"Name=Bianchi"_s}};
    QTest::newRow("Italian Excel: semicolons, commas inside plain fields")
        << u"Nome;Indirizzo;CAP\nMario Rossi;Via Roma, 5;00100\n"_s
        << QStringList{u"Nome"_s, u"Indirizzo"_s, u"CAP"_s}
        << Rows{{u"Nome=Mario Rossi"_s, u"Indirizzo=Via Roma, 5"_s, u"CAP=00100"_s}};
    QTest::newRow("tabs") << u"Nome\tTelefono\nAnna\t06 1234\n"_s
                          << QStringList{u"Nome"_s, u"Telefono"_s}
                          << Rows{{u"Nome=Anna"_s, u"Telefono=06 1234"_s}};
    QTest::newRow("Excel's sep= line decides")
        << u"sep=,\r\nNome;Cognome,CAP\r\nAnna;Maria,00100\r\n"_s
        << QStringList{u"Nome;Cognome"_s, u"CAP"_s}
        << Rows{{u"Nome;Cognome=Anna;Maria"_s, u"CAP=00100"_s}};
    QTest::newRow("blank lines and a last line without its break")
        << u"Nome;CAP\n\n;\nAnna;00100\n\nLuca;20100"_s << QStringList{u"Nome"_s, u"CAP"_s}
        << Rows{{u"Nome=Anna"_s, u"CAP=00100"_s}, {u"Nome=Luca"_s, u"CAP=20100"_s}};
    QTest::newRow("Excel text formulas read as their text")
        << u"Nome;CAP;Tel\nAnna;\"=\"\"00100\"\"\";=\"+39 06\"&\"123\"\n"_s
        << QStringList{u"Nome"_s, u"CAP"_s, u"Tel"_s}
        << Rows{{u"Nome=Anna"_s, u"CAP=00100"_s, u"Tel=+39 06123"_s}};
    QTest::newRow("empty and repeated column names made unique")
        << u"Telefono;;Telefono\n1;2;3\n"_s
        << QStringList{u"Telefono"_s, u"Colonna 2"_s, u"Telefono (2)"_s}
        << Rows{{u"Telefono=1"_s, u"Colonna 2=2"_s, u"Telefono (2)=3"_s}};
    QTest::newRow("fields beyond the header kept under a name, empty ones dropped")
        << u"Nome;Note\nAnna;a;b;;\nLuca;c\n"_s << QStringList{u"Nome"_s, u"Note"_s, u"Colonna 3"_s}
        << Rows{{u"Nome=Anna"_s, u"Note=a"_s, u"Colonna 3=b"_s}, {u"Nome=Luca"_s, u"Note=c"_s}};
    QTest::newRow("one column, commas in the data")
        << u"Nominativo\nRossi, Mario\n"_s << QStringList{u"Nominativo"_s}
        << Rows{{u"Nominativo=Rossi, Mario"_s}};
  }
  // A contact keeps the values that are not empty; every column is among
  // the names.
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

  // Each contact knows its line, how many values the line has and whether
  // they line up with the header: a line with a separator too many or too
  // few would put every value after it in the wrong field.
  void linesThatDoNotFitTheHeaderAreMarked_data() {
    QTest::addColumn<QString>("csv");
    QTest::addColumn<QStringList>("origins");  // "line fields misfit"
    QTest::newRow("a comma in an unquoted address, a missing value")
        << u"Nome,Indirizzo,CAP,Città\n"
           "Anna,Via Po 1,10123,Torino\n"
           "Luca,Via Roma, 5,10123,Torino\n"
           "Marta,Via Po 2,Torino\n"_s
        << QStringList{u"2 4 0"_s, u"3 5 1"_s, u"4 3 1"_s};
    QTest::newRow("empty values after the last column are no misfit")
        << u"Nome;CAP\nAnna;00100;;\nLuca;20100;\n"_s << QStringList{u"2 4 0"_s, u"3 3 0"_s};
    QTest::newRow("a header that ends with a separator, lines that do not")
        << u"Nome;CAP;\nAnna;00100\n"_s << QStringList{u"2 2 0"_s};
    QTest::newRow("thousands of blank lines before the header")
        << QString(5000, u'\n') + u"Nome;CAP\r\nAnna;00100\r\n"_s << QStringList{u"5002 2 0"_s};
    QTest::newRow("a quoted line break, Excel's sep= line, blank lines")
        << u"sep=;\r\nNome;Note\r\n\r\nAnna;\"riga\r\ndue\"\r\nLuca;x;y\r\n"_s
        << QStringList{u"4 2 0"_s, u"6 3 1"_s};
  }
  void linesThatDoNotFitTheHeaderAreMarked() {
    QFETCH(QString, csv);
    QFETCH(QStringList, origins);
    const ContactTable table = CsvReader().read(csv);
    QStringList read;
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
      const RowOrigin& o = table.rows.origin(i);
      read.append(u"%1 %2 %3"_s.arg(o.line).arg(o.fields).arg(int(o.misfit)));
    }
    QCOMPARE(read, origins);
  }

  // Repeated names are numbered in one pass, as they were one by one: a
  // name that the header already holds is never given twice.
  void repeatedColumnNamesAreNumbered() {
    QCOMPARE(Csv::columnNames({u"A"_s, u"A"_s, u"A (2)"_s, u"A"_s, u" "_s, u"Colonna 5"_s}),
             (QStringList{u"A"_s, u"A (2)"_s, u"A (2) (2)"_s, u"A (3)"_s, u"Colonna 5"_s,
                          u"Colonna 5 (2)"_s}));
  }

  void separatorIsTheOneTheHeaderUsesMost_data() {
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("format");
    QTest::newRow("semicolon") << u"Nome;Cognome;\"Via, civico\""_s
                               << u"CSV, separatore punto e virgola"_s;
    QTest::newRow("comma") << u"Nome,Cognome,\"Via; civico\""_s << u"CSV, separatore virgola"_s;
    QTest::newRow("tab") << u"Nome\tCognome,x\tVia"_s << u"CSV, separatore tabulazione"_s;
    QTest::newRow("none") << u"Nominativo"_s << u"CSV, una sola colonna"_s;
  }
  void separatorIsTheOneTheHeaderUsesMost() {
    QFETCH(QString, header);
    QFETCH(QString, format);
    QCOMPARE(CsvReader().read(header + u"\nx\n"_s).format, format);
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
        "Luca,Neri,,,Work,02 777,,,,\n"_s;
    const ContactTable table = CsvReader().read(csv);
    QCOMPARE(table.rows.size(), 2);
    QCOMPARE(lines(table.rows[0]),
             (QStringList{u"First Name=Anna"_s, u"Last Name=Verdi"_s,
                          u"E-mail (Home)=anna@example.it"_s, u"Phone (Mobile)=+39 333 1"_s,
                          u"Phone (Mobile)=+39 333 2"_s, u"Phone (Work)=06 555"_s,
                          u"Address 1 - Label=Home"_s, u"Address 1 - Street=Via Po 1"_s}));
    QCOMPARE(lines(table.rows[1]),
             (QStringList{u"First Name=Luca"_s, u"Last Name=Neri"_s, u"Phone (Work)=02 777"_s}));
    QVERIFY(!table.names.contains(u"Phone 1 - Label"_s));
    QVERIFY(table.names.contains(u"Phone (Work)"_s));
  }

  void anUnclosedQuoteNamesTheLineWhereItOpens_data() {
    QTest::addColumn<QString>("csv");
    QTest::addColumn<int>("line");
    QTest::newRow("in the header") << u"\"Nome;CAP\nAnna;1\n"_s << 1;
    QTest::newRow("after a quoted line break")
        << u"Nome;Note\r\nAnna;\"riga\r\ndue\"\r\nLuca;\"aperta\r\nAnna;x\r\n"_s << 4;
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
