#include <QtTest>

#include "contactimport/importmessages.h"
#include "contactimport/vcardreader.h"
#include "rows.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using Rows = QList<QStringList>;

class VCardReaderTest : public QObject {
  Q_OBJECT
 private slots:
  void readsCardsAsPhonesAndMailProgramsWriteThem_data() {
    QTest::addColumn<QString>("vcf");
    QTest::addColumn<QString>("format");
    QTest::addColumn<Rows>("rows");

    QTest::newRow("3.0 with folded lines, escapes and typed numbers")
        << u"BEGIN:VCARD\r\nVERSION:3.0\r\nN:Bianchi;Anna;Maria;Dott.ssa;\r\n"
           "FN:Anna Maria\r\n  Bianchi\r\n"
           "ORG:Studio Bianchi\\, Commercialisti;Sede\r\nTITLE:Commercialista\r\n"
           "TEL;TYPE=CELL,VOICE:+39 347 000 1111\r\nTEL;type=WORK;type=VOICE:06 5555 1234\r\n"
           "TEL;TYPE=WORK,FAX:06 5555 1235\r\nTEL:06 000\r\n"
           "item1.ADR;type=WORK;type=pref:;;Viale Europa 200\\nScala B;Roma;RM;00144;Italia\r\n"
           "item1.X-ABADR:it\r\nEMAIL;type=INTERNET;type=WORK:anna@studio.it\r\n"
           "NOTE:Ricevimento il martedì\\, previo appuntamento\\;\\nCodice 00042\r\n"
           "BDAY:1975-03-08\r\nEND:VCARD\r\n"_s
        << u"vCard 3.0"_s
        << Rows{{u"Nome completo=Anna Maria Bianchi"_s,
                 u"Organizzazione=Studio Bianchi, Commercialisti, Sede"_s,
                 u"Qualifica=Commercialista"_s, u"Telefono (cellulare)=+39 347 000 1111"_s,
                 u"Telefono (lavoro)=06 5555 1234"_s, u"Fax (lavoro)=06 5555 1235"_s,
                 u"Telefono=06 000"_s, u"Indirizzo (lavoro)=Viale Europa 200\nScala B"_s,
                 u"Località (lavoro)=Roma"_s, u"Provincia (lavoro)=RM"_s, u"CAP (lavoro)=00144"_s,
                 u"Nazione (lavoro)=Italia"_s, u"E-mail (lavoro)=anna@studio.it"_s,
                 u"Note=Ricevimento il martedì, previo appuntamento;\nCodice 00042"_s,
                 u"Data di nascita=1975-03-08"_s}};
    QTest::newRow("2.1 from a phone: quoted-printable, soft breaks, bare types, a photo")
        << u"BEGIN:VCARD\r\nVERSION:2.1\r\n"
           "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Ferrari;Niccol=C3=B2;;;\r\n"
           "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Niccol=C3=B2 Ferrari\r\n"
           "TEL;CELL;PREF:+39 333 1234567\r\nTEL;HOME:0521 123456\r\n"
           "ADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;Via Universit=C3=A0 12=\r\n"
           "=2C interno 3;Parma;PR;43121;Italia\r\n"
           "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Caff=E8 alle 10\r\n"
           "PHOTO;ENCODING=BASE64;JPEG:/9j/4AAQSkZJRgABAQ\r\n AAAQABAAD/2wBDAAMC\r\n\r\n"
           "EMAIL;HOME:niccolo@example.it\r\nEND:VCARD\r\n"_s
        << u"vCard 2.1"_s
        << Rows{{u"Nome completo=Niccolò Ferrari"_s, u"Telefono (cellulare)=+39 333 1234567"_s,
                 u"Telefono (casa)=0521 123456"_s,
                 u"Indirizzo (casa)=Via Università 12, interno 3"_s, u"Località (casa)=Parma"_s,
                 u"Provincia (casa)=PR"_s, u"CAP (casa)=43121"_s, u"Nazione (casa)=Italia"_s,
                 u"Note=Caffè alle 10"_s, u"E-mail (casa)=niccolo@example.it"_s}};
    QTest::newRow("4.0: telephone URIs, quoted type lists, a name from N only")
        << u"BEGIN:VCARD\nVERSION:4.0\nN:Verdi;Paolo;;;\n"
           "TEL;VALUE=uri;TYPE=\"voice,cell\":tel:+39-320-555-0101\n"
           "TEL;VALUE=uri;TYPE=home:tel:+39-011-555-0102\n"
           "ADR;TYPE=home;LABEL=\"Via Po 10\\n10123 Torino\":;;Via Po 10;Torino;TO;10123;\n"
           "BDAY:--0704\nEND:VCARD\n"_s
        << u"vCard 4.0"_s
        << Rows{{u"Nome completo=Paolo Verdi"_s, u"Telefono (cellulare)=+39-320-555-0101"_s,
                 u"Telefono (casa)=+39-011-555-0102"_s, u"Indirizzo (casa)=Via Po 10"_s,
                 u"Località (casa)=Torino"_s, u"Provincia (casa)=TO"_s, u"CAP (casa)=10123"_s,
                 u"Data di nascita=--0704"_s}};
    QTest::newRow("several cards, text between them ignored")
        << u"\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:Uno\r\nEND:VCARD\r\nvarie\r\n"
           "begin:vcard\r\nversion:3.0\r\nfn:Due\r\nemail:due@example.it\r\nend:vcard\r\n"_s
        << u"vCard 3.0"_s
        << Rows{{u"Nome completo=Uno"_s}, {u"Nome completo=Due"_s, u"E-mail=due@example.it"_s}};
  }
  void readsCardsAsPhonesAndMailProgramsWriteThem() {
    QFETCH(QString, vcf);
    QFETCH(QString, format);
    QFETCH(Rows, rows);
    QVERIFY(VCardReader::recognises(vcf));
    const ContactTable table = VCardReader().read(vcf);
    QCOMPARE(table.format, format);
    Rows read;
    for (const ContactRow& row : table.rows) read.append(lines(row));
    QCOMPARE(read, rows);
    for (const ContactRow& row : table.rows) {
      for (const NamedValue& v : row) QVERIFY2(table.names.contains(v.name), qPrintable(v.name));
    }
  }

  // A card's addresses, named in the order a letter would use them: the
  // preferred one, else the home one, else the first; each whole under its
  // own names.
  void addressesAreRankedAndKeptApart_data() {
    QTest::addColumn<QString>("addresses");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("two home addresses")
        << u"ADR;TYPE=HOME:;;111 Main St;NY;NY;10001;USA\n"
           "ADR;TYPE=HOME:;;114 Main St;NY;NY;10002;USA\n"_s
        << QStringList{u"Indirizzo (casa)=111 Main St"_s, u"Località (casa)=NY"_s,
                       u"Provincia (casa)=NY"_s,          u"CAP (casa)=10001"_s,
                       u"Nazione (casa)=USA"_s,           u"Indirizzo 2 (casa)=114 Main St"_s,
                       u"Località 2 (casa)=NY"_s,         u"Provincia 2 (casa)=NY"_s,
                       u"CAP 2 (casa)=10002"_s,           u"Nazione 2 (casa)=USA"_s};
    QTest::newRow("no type, other and a custom type: the first")
        << u"ADR:;;Via Po 1;Torino;;10123;\nADR;TYPE=other:;;Via Po 2;Torino;;10124;\n"
           "ADR;TYPE=x-ufficio:;;Via Po 3;Torino;;10125;\n"_s
        // clang-format off
        << QStringList{u"Indirizzo=Via Po 1"_s,     u"Località=Torino"_s,  u"CAP=10123"_s,
                       u"Indirizzo 2=Via Po 2"_s,   u"Località 2=Torino"_s, u"CAP 2=10124"_s,
                       u"Indirizzo 3=Via Po 3"_s,   u"Località 3=Torino"_s, u"CAP 3=10125"_s};
    // clang-format on
    QTest::newRow("home before work and before the first")
        << u"ADR;TYPE=WORK:;;Via Lavoro 1;Milano;MI;20121;\nADR;TYPE=HOME:;;Via Casa 2;Roma;RM;00184;\n"_s
        // clang-format off
        << QStringList{u"Indirizzo (casa)=Via Casa 2"_s,     u"Località (casa)=Roma"_s,
                       u"Provincia (casa)=RM"_s,             u"CAP (casa)=00184"_s,
                       u"Indirizzo 2 (lavoro)=Via Lavoro 1"_s, u"Località 2 (lavoro)=Milano"_s,
                       u"Provincia 2 (lavoro)=MI"_s,         u"CAP 2 (lavoro)=20121"_s};
    // clang-format on
    QTest::newRow("a preferred home address before a work one (3.0)")
        << u"ADR;TYPE=WORK:;;Via Lavoro 1;Milano;MI;20121;\n"
           "ADR;TYPE=HOME,pref:;;Via Casa 2;Roma;RM;00184;\n"_s
        // clang-format off
        << QStringList{u"Indirizzo (casa)=Via Casa 2"_s,     u"Località (casa)=Roma"_s,
                       u"Provincia (casa)=RM"_s,             u"CAP (casa)=00184"_s,
                       u"Indirizzo 2 (lavoro)=Via Lavoro 1"_s, u"Località 2 (lavoro)=Milano"_s,
                       u"Provincia 2 (lavoro)=MI"_s,         u"CAP 2 (lavoro)=20121"_s};
    // clang-format on
    QTest::newRow("a preferred work address before a home one (4.0)")
        << u"ADR;TYPE=home:;;Via Casa 2;Roma;RM;00184;\nADR;TYPE=work;PREF=1:;;Via Lavoro 1;Milano;MI;20121;\n"_s
        << QStringList{u"Indirizzo (lavoro)=Via Lavoro 1"_s, u"Località (lavoro)=Milano"_s,
                       u"Provincia (lavoro)=MI"_s,           u"CAP (lavoro)=20121"_s,
                       u"Indirizzo 2 (casa)=Via Casa 2"_s,   u"Località 2 (casa)=Roma"_s,
                       u"Provincia 2 (casa)=RM"_s,           u"CAP 2 (casa)=00184"_s};
  }
  void addressesAreRankedAndKeptApart() {
    QFETCH(QString, addresses);
    QFETCH(QStringList, values);
    const ContactTable table =
        VCardReader().read(u"BEGIN:VCARD\nVERSION:3.0\nFN:Anna\n"_s + addresses + u"END:VCARD\n"_s);
    QCOMPARE(lines(table.rows[0]), QStringList{u"Nome completo=Anna"_s} + values);
  }

  // The details of a card that used to be lost or read wrong.
  void cardDetails_data() {
    QTest::addColumn<QString>("properties");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("a second name in another language is another value")
        << u"FN:Mario Rossi\nFN;LANGUAGE=ja:\u30DE\u30EA\u30AA\n"_s
        << QStringList{u"Nome completo=Mario Rossi"_s, u"Altro nome=\u30DE\u30EA\u30AA"_s};
    QTest::newRow("gender of 4.0") << u"FN:Anna Neri\nGENDER:F;donna\n"_s
                                   << QStringList{u"Nome completo=Anna Neri"_s, u"Sesso=F"_s};
    QTest::newRow("gender unknown is no value")
        << u"FN:Anna Neri\nGENDER:U\n"_s << QStringList{u"Nome completo=Anna Neri"_s};
    QTest::newRow("a UTF-8 quoted-printable value with one byte that is not")
        << u"FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Niccol=C3=B2 Caff=E8 Citt=C3=A0\n"_s
        << QStringList{u"Nome completo=Niccolò Caff\uFFFD Città"_s};
    QTest::newRow("a certified address labelled as such")
        << u"FN:Ditta\nEMAIL;TYPE=PEC:ditta@legalmail.it\n"_s
        << QStringList{u"Nome completo=Ditta"_s, u"E-mail (PEC)=ditta@legalmail.it"_s};
  }
  void cardDetails() {
    QFETCH(QString, properties);
    QFETCH(QStringList, values);
    const ContactTable table =
        VCardReader().read(u"BEGIN:VCARD\nVERSION:4.0\n"_s + properties + u"END:VCARD\n"_s);
    QCOMPARE(lines(table.rows[0]), values);
  }

  void aCardLeftOpenIsReported_data() {
    QTest::addColumn<QString>("vcf");
    QTest::addColumn<int>("card");
    QTest::newRow("the file ends inside a card")
        << u"BEGIN:VCARD\nFN:Uno\nEND:VCARD\nBEGIN:VCARD\nFN:Due\n"_s << 2;
    QTest::newRow("a card begins inside another")
        << u"BEGIN:VCARD\nFN:Uno\nBEGIN:VCARD\nFN:Due\nEND:VCARD\n"_s << 1;
  }
  void aCardLeftOpenIsReported() {
    QFETCH(QString, vcf);
    QFETCH(int, card);
    try {
      VCardReader().read(vcf);
      QFAIL("read");
    } catch (const ContactFileError& error) {
      QCOMPARE(error.message(), ImportMessages::unclosedCard(card));
    }
  }

  void recognisesOnlyAFileThatStartsWithACard() {
    QVERIFY(VCardReader::recognises(u"\r\n  begin:vcard\r\n"_s));
    QVERIFY(!VCardReader::recognises(u"Nome;BEGIN:VCARD\n"_s));
    QVERIFY(!VCardReader::recognises(QString()));
  }
};

QTEST_APPLESS_MAIN(VCardReaderTest)
#include "tst_vcardreader.moc"
