#include <QtTest>

#include "contactimport/cardbuilder.h"
#include "contactimport/contactfile.h"
#include "core/windows1252.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

using Fields = QList<QPair<QString, QString>>;

struct Imported {
  ColumnMapping mapping;
  QList<BuiltCard> cards;
};

Imported import(const QByteArray& file) {
  const ContactTable table = ContactFile::fromBytes(file);
  Imported out{proposeMapping(table.names), {}};
  const CardBuilder builder(out.mapping);
  for (const ContactRow& row : table.rows) out.cards.append(builder.build(row));
  return out;
}

// The bytes a field must hold for a text: its length, then the text in
// Windows-1252.
QByteArray stored(const QString& text) {
  const QByteArray bytes = Windows1252::encode(text);
  return char(bytes.size()) + bytes;
}

// The remarks of a card, each as "what: text".
QStringList remarkLines(const BuiltCard& card) {
  using Kind = CardRemark::Kind;
  const QHash<Kind, QString> names{{Kind::Cut, u"accorciato"_s},
                                   {Kind::NotStored, u"non importato"_s},
                                   {Kind::InNote, u"nella nota"_s},
                                   {Kind::CapCompleted, u"CAP completato"_s},
                                   {Kind::PostcodeInTown, u"nella località"_s}};
  QStringList out;
  for (const CardRemark& r : card.remarks) out.append(names.value(r.kind) + u": "_s + r.text);
  return out;
}

QStringList targets(const ColumnMapping& mapping) {
  QStringList out;
  for (const ColumnRule& rule : mapping) out.append(rule.target);
  return out;
}

// Outlook's export of a business contact, in English (Outlook.com's
// header), the business address filled and the home one empty.
const QByteArray kOutlookEnglish =
    "First Name,Middle Name,Last Name,Title,Suffix,Birthday,Gender,Notes,E-mail Address,"
    "E-mail 2 Address,Primary Phone,Home Phone,Mobile Phone,Home Street,Home City,Home State,"
    "Home Postal Code,Home Country,Company Main Phone,Business Phone,Company,Job Title,"
    "Business Street,Business Street 2,Business City,Business State,Business Postal Code,"
    "Business Country,Categories\r\n"
    "Mario,Luigi,De Rossi,Dott.,,0/0/00,Unspecified,\"Cliente storico, paga a 30 gg\","
    "mario.derossi@acme.example,mario@pec.acme.example,,,+39 333 1234567,,,,,,,"
    "02 7654321,ACME S.p.A.,Direttore,\"Via Roma, 5\",Scala B,Milano,Milano,20121,Italia,"
    "Clienti\r\n";

// The same program in Italian, with the Windows code page, the home
// address filled and a business city left over from an old address.
const QByteArray kOutlookItalian =
    "\"Nome\";\"Secondo nome\";\"Cognome\";\"Società\";\"Posizione\";\"Via (uff.)\";"
    "\"Città (uff.)\";\"CAP (uff.)\";\"Via (ab.)\";\"Città (ab.)\";\"Provincia (ab.)\";"
    "\"CAP (ab.)\";\"Paese/area geografica (ab.)\";\"Telefono (ab.)\";\"Cellulare\";"
    "\"Indirizzo posta elettronica\";\"Compleanno\";\"Sesso\";\"Note\"\r\n"
    "\"Lucia\";\"\";\"Esposito\";\"\";\"\";\"\";\"\";\"\";\"Vico d'Alagno 3\";\"Napoli\";"
    "\"NA\";\"80138\";\"Italia\";\"081 555 1234\";\"\";\"lucia.esposito@example.it\";"
    "\"1980-5-17\";\"Femmina\";\"Preferisce \x93posta\x94\"\r\n";

// Google Contacts' current export.
const QByteArray kGoogle =
    "First Name,Middle Name,Last Name,Nickname,Organization Name,Organization Title,Birthday,"
    "Notes,Labels,E-mail 1 - Label,E-mail 1 - Value,Phone 1 - Label,Phone 1 - Value,"
    "Phone 2 - Label,Phone 2 - Value,Address 1 - Label,Address 1 - Formatted,"
    "Address 1 - Street,Address 1 - City,Address 1 - PO Box,Address 1 - Region,"
    "Address 1 - Postal Code,Address 1 - Country,Address 1 - Extended Address\n"
    "Giulia,,Romano,Giuly,,,1992-11-03,,* myContacts,* Home,giulia.romano@example.it,Work,"
    "06 4444 5555,Mobile,+39 340 111 2222 ::: +39 340 333 4444,Home,\"Via Appia 10\nRoma\","
    "Via Appia 10,Roma,,Roma,00179,Italy,int. 4\n"
    ",,,,Ferramenta Colombo S.r.l.,,,,* myContacts,,,Main,02 1234 5678,,,,,,Milano,,Milano,"
    "20124,,\n";

// A list kept in Italian Excel and saved as CSV (semicolons, Windows code
// page): a firm's data with codes typed loosely, and a town that carries
// its province.
const QByteArray kItalianList =
    "Ragione sociale;Via e numero civico;CAP;Comune;Tel.;Cell.;E-mail;PEC;P. IVA;C.F.;IBAN;"
    "Note\r\n"
    "Studio Bianchi & C. s.n.c.;Corso Vittorio Emanuele II, 112;40121;Bologna (BO);"
    "051 222333;;mailto:info@studiobianchi.example;;IT 01234567890;01234567890;"
    "it60 x054 2811 1010 0000 0123 456;Consegne solo al mattino\r\n";

// A phone's vCard file: an Italian contact whose only address is a
// certified one, and a foreign one.
const QByteArray kPhone =
    "BEGIN:VCARD\r\nVERSION:2.1\r\nN:D'Angelo;Giuseppe;;;\r\nFN:Giuseppe D'Angelo\r\n"
    "TEL;CELL:+39 349 7654321\r\nTEL;HOME:0965 12345\r\nEMAIL;HOME:g.dangelo@pec.it\r\n"
    "ADR;HOME:;;Via Sant'Antonio 3;Reggio di Calabria;Reggio di Calabria;89125;Italia\r\n"
    "BDAY:19700102\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:2.1\r\n"
    "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Luc=C3=ADa Mart=C3=ADnez Garc=C3=ADa\r\n"
    "TEL;CELL:+34 600 111 222\r\nEMAIL:lucia@correo.example\r\n"
    "ADR:;;Calle Mayor 5;Madrid;;28013;Spagna\r\nEND:VCARD\r\n";

}  // namespace

class CardBuilderTest : public QObject {
  Q_OBJECT
 private slots:
  void proposesAFieldForEachKnownHeader_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("targets");
    // clang-format off
    QTest::newRow("Outlook, English")
        << kOutlookEnglish
        << QStringList{u"Nome"_s, u"Nome"_s, u"Nome"_s, {}, {}, u"DataNasc"_s,
                       u"Sesso"_s, u"Note"_s, u"Email"_s, u"Email"_s, u"Tel"_s, u"Tel"_s,
                       u"Cel"_s, u"Indirizzo"_s, u"Localita"_s, u"Provincia"_s, u"CAP"_s,
                       u"Paese"_s, u"Tel"_s, u"Tel"_s, u"Ditta"_s, u"Occupazione"_s,
                       u"Indirizzo"_s, u"Indirizzo"_s, u"Localita"_s, u"Provincia"_s,
                       u"CAP"_s, u"Paese"_s, {}};
    // clang-format on
    QTest::newRow("a column for the whole name leaves its parts out")
        << QByteArray(
               "Name,Given Name,Family Name,Phone 1 - Type,Phone 1 - Value\n"
               "A B,A,B,Mobile,1\n")
        << QStringList{u"Nome"_s, {}, {}, u"Cel"_s};
    QTest::newRow("our own address-book export")
        // clang-format off
        << QByteArray("Nome, cognome o Ragione sociale;Indirizzo;CAP;Località;Prov.;Tel.;E-mail;"
                      "Data di nascita;Luogo di nascita;Codice fiscale;Partita IVA;IBAN;PEC;"
                      "Carta di credito n.;Scadenza;Tel. cellulare;Cittadinanza;Occupazione;"
                      "Stato civile;Documento;Ente di rilascio;Data scadenza;"
                      "Prodotti di interesse;Questioni in sospeso;Note\nx\n")
        << QStringList{u"Nome"_s,       u"Indirizzo"_s,    u"CAP"_s,        u"Localita"_s,
                       u"Provincia"_s,  u"Tel"_s,          u"Email"_s,      u"DataNasc"_s,
                       u"LuogoNasc"_s,  u"CodFisc"_s,      u"PartitaIva"_s, u"Iban"_s,
                       u"Pec"_s,        u"Carta"_s,        u"ScadeCarta"_s, u"Cel"_s,
                       u"Cittadinanza"_s, u"Occupazione"_s, u"Civile"_s,    u"TipoDoc"_s,
                       u"EnteRil"_s,    u"DataSca"_s,      u"Prodotti"_s,   u"Questioni"_s,
                       // clang-format on
                       u"Note"_s};
  }
  void proposesAFieldForEachKnownHeader() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, targets);
    QCOMPARE(::targets(import(file).mapping), targets);
  }

  // Every one of the card's 39 fields, byte by byte: the listed ones hold
  // their text, all others are empty.
  void storesCardsAUserWouldKeep_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("contact");
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<int>("cuts");
    QTest::addColumn<QStringList>("remarks");

    QTest::newRow("Outlook: business address, firm to occupation, no birthday")
        << kOutlookEnglish << 0
        << Fields{{u"Nome"_s, u"Mario Luigi De Rossi"_s},
                  {u"Indirizzo"_s, u"Via Roma, 5 Scala B"_s},
                  // clang-format off
                  {u"Cap01"_s, u"2"_s}, {u"Cap02"_s, u"0"_s}, {u"Cap03"_s, u"1"_s},
                  {u"Cap04"_s, u"2"_s}, {u"Cap05"_s, u"1"_s},
                  {u"Localita"_s, u"Milano"_s}, {u"Prov01"_s, u"M"_s}, {u"Prov02"_s, u"I"_s},
                  {u"Tel"_s, u"02 7654321"_s}, {u"Cel"_s, u"+39 333 1234567"_s},
                  // clang-format on
                  {u"Email"_s, u"mario.derossi@acme.example"_s},
                  {u"Pec"_s, u"mario@pec.acme.example"_s},
                  {u"Occupazione"_s, u"Direttore, ACME S.p.A."_s},
                  {u"Note"_s, u"Cliente storico, paga a 30 gg"_s}}
        << 0 << QStringList{};
    QTest::newRow("Outlook in Italian: the home address whole, not the old city")
        << kOutlookItalian
        << 0
        // clang-format off
        << Fields{{u"Nome"_s, u"Lucia Esposito"_s}, {u"Indirizzo"_s, u"Vico d'Alagno 3"_s},
                  {u"Cap01"_s, u"8"_s}, {u"Cap02"_s, u"0"_s}, {u"Cap03"_s, u"1"_s},
                  {u"Cap04"_s, u"3"_s}, {u"Cap05"_s, u"8"_s},
                  {u"Localita"_s, u"Napoli"_s}, {u"Prov01"_s, u"N"_s}, {u"Prov02"_s, u"A"_s},
                  {u"Tel"_s, u"081 555 1234"_s}, {u"Email"_s, u"lucia.esposito@example.it"_s},
                  {u"DataNasc"_s, u"17/05/1980"_s}, {u"Sesso"_s, u"F"_s},
                  // clang-format on
                  {u"Note"_s, u"Preferisce \u201Cposta\u201D"_s}}
        << 0 << QStringList{};
    QTest::newRow("Google: labelled phones, extended address, foreign-named country")
        << kGoogle
        << 0
        // clang-format off
        << Fields{{u"Nome"_s, u"Giulia Romano"_s}, {u"Indirizzo"_s, u"Via Appia 10 int. 4"_s},
                  {u"Cap01"_s, u"0"_s}, {u"Cap02"_s, u"0"_s}, {u"Cap03"_s, u"1"_s},
                  {u"Cap04"_s, u"7"_s}, {u"Cap05"_s, u"9"_s},
                  {u"Localita"_s, u"Roma"_s}, {u"Prov01"_s, u"R"_s}, {u"Prov02"_s, u"M"_s},
                  {u"Tel"_s, u"06 4444 5555"_s}, {u"Cel"_s, u"+39 340 111 2222"_s},
                  {u"Email"_s, u"giulia.romano@example.it"_s}, {u"DataNasc"_s, u"03/11/1992"_s},
                  // clang-format on
                  {u"Note"_s, u"Altri recapiti: Cell. +39 340 333 4444"_s}}
        << 0 << QStringList{u"nella nota: Cell. +39 340 333 4444"_s};
    QTest::newRow("Google: a firm without a person's name")
        << kGoogle << 1
        << Fields{{u"Nome"_s, u"Ferramenta Colombo S.r.l."_s},
                  // clang-format off
                  {u"Cap01"_s, u"2"_s}, {u"Cap02"_s, u"0"_s}, {u"Cap03"_s, u"1"_s},
                  {u"Cap04"_s, u"2"_s}, {u"Cap05"_s, u"4"_s},
                  {u"Localita"_s, u"Milano"_s}, {u"Prov01"_s, u"M"_s}, {u"Prov02"_s, u"I"_s},
                  // clang-format on
                  {u"Tel"_s, u"02 1234 5678"_s}}
        << 0 << QStringList{};
    QTest::newRow("an Italian list: codes cleaned as the screen types them")
        << kItalianList << 0
        << Fields{{u"Nome"_s, u"Studio Bianchi & C. s.n.c."_s},
                  // clang-format off
                  {u"Indirizzo"_s, u"Corso Vittorio Emanuele II"_s}, {u"Num"_s, u"112"_s},
                  {u"Cap01"_s, u"4"_s}, {u"Cap02"_s, u"0"_s}, {u"Cap03"_s, u"1"_s},
                  {u"Cap04"_s, u"2"_s}, {u"Cap05"_s, u"1"_s},
                  {u"Localita"_s, u"Bologna"_s}, {u"Prov01"_s, u"B"_s}, {u"Prov02"_s, u"O"_s},
                  {u"Tel"_s, u"051 222333"_s}, {u"Email"_s, u"info@studiobianchi.example"_s},
                  {u"PartitaIva"_s, u"01234567890"_s}, {u"CodFisc"_s, u"01234567890"_s},
                  // clang-format on
                  {u"Iban"_s, u"IT60X0542811101000000123456"_s},
                  {u"Note"_s, u"Consegne solo al mattino"_s}}
        << 0 << QStringList{};
    QTest::newRow("a phone: certified address to the PEC, province by its name")
        << kPhone << 0
        << Fields{{u"Nome"_s, u"Giuseppe D'Angelo"_s},
                  {u"Indirizzo"_s, u"Via Sant'Antonio 3"_s},
                  // clang-format off
                  {u"Cap01"_s, u"8"_s}, {u"Cap02"_s, u"9"_s}, {u"Cap03"_s, u"1"_s},
                  {u"Cap04"_s, u"2"_s}, {u"Cap05"_s, u"5"_s},
                  {u"Localita"_s, u"Reggio di Calabria"_s}, {u"Prov01"_s, u"R"_s},
                  {u"Prov02"_s, u"C"_s}, {u"Tel"_s, u"0965 12345"_s},
                  {u"Cel"_s, u"+39 349 7654321"_s}, {u"Pec"_s, u"g.dangelo@pec.it"_s},
                  // clang-format on
                  {u"DataNasc"_s, u"02/01/1970"_s}}
        << 0 << QStringList{};
    QTest::newRow("a phone: a foreign contact, the country after the town")
        << kPhone << 1
        << Fields{{u"Nome"_s, u"Lucía Martínez García"_s},
                  {u"Indirizzo"_s, u"Calle Mayor 5"_s},
                  // clang-format off
                  {u"Cap01"_s, u"2"_s}, {u"Cap02"_s, u"8"_s}, {u"Cap03"_s, u"0"_s},
                  {u"Cap04"_s, u"1"_s}, {u"Cap05"_s, u"3"_s},
                  {u"Localita"_s, u"Madrid, Spagna"_s}, {u"Cel"_s, u"+34 600 111 222"_s},
                  // clang-format on
                  {u"Email"_s, u"lucia@correo.example"_s}}
        << 0 << QStringList{};
    QTest::newRow("texts too long for their fields are cut and counted")
        << QByteArray(
               "Nome;CAP;Provincia;Sesso;Telefono;Note\n"
               "Anna;001000;Lazio;Maschio;+39 06 1234 5678 interno 1234 5;") +
               QByteArray(300, 'x') + "\n"
        << 0
        << Fields{{u"Nome"_s, u"Anna"_s},         {u"Cap01"_s, u"0"_s},
                  {u"Cap02"_s, u"0"_s},           {u"Cap03"_s, u"1"_s},
                  {u"Cap04"_s, u"0"_s},           {u"Cap05"_s, u"0"_s},
                  {u"Sesso"_s, u"M"_s},           {u"Tel"_s, u"+39 06 1234 5678 interno 1234 "_s},
                  {u"Note"_s, QString(250, u'x')}}
        << 3
        << QStringList{u"accorciato: Telefono"_s, u"non importato: Provincia \u00ABLazio\u00BB"_s,
                       u"accorciato: CAP"_s, u"accorciato: Note"_s};
  }
  void storesCardsAUserWouldKeep() {
    QFETCH(QByteArray, file);
    QFETCH(int, contact);
    QFETCH(Fields, fields);
    QFETCH(int, cuts);
    QFETCH(QStringList, remarks);
    const BuiltCard card = import(file).cards.at(contact);
    const RecordLayout& layout = addressBookLayout();
    QCOMPARE(card.record.bytes().size(), 3831);
    for (int i = 0; i < layout.fieldCount(); ++i) {
      QString expected;
      for (const auto& [name, text] : fields) {
        if (name == layout.name(i)) expected = text;
      }
      const QByteArray want = stored(expected);
      QCOMPARE(card.record.bytes().mid(layout.offset(i), want.size()), want);
    }
    QCOMPARE(card.cuts, cuts);
    QCOMPARE(remarkLines(card), remarks);
  }

  void aHouseNumberAfterACommaGoesToItsField_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("number");
    QTest::newRow("number") << QByteArray("Nome;Via\nA;Via Roma, 5\n") << u"Via Roma"_s << u"5"_s;
    QTest::newRow("with a letter")
        << QByteArray("Nome;Via\nA;Via Roma , 12/A\n") << u"Via Roma"_s << u"12/A"_s;
    QTest::newRow("bis") << QByteArray("Nome;Via\nA;Via Roma, 7 bis\n") << u"Via Roma"_s
                         << u"7 bis"_s;
    QTest::newRow("no comma: may be the street's name")
        << QByteArray("Nome;Via\nA;Strada Statale 16\n") << u"Strada Statale 16"_s << QString();
    QTest::newRow("more after the number")
        << QByteArray("Nome;Via\nA;Via Roma, 5 int. 3\n") << u"Via Roma, 5 int. 3"_s << QString();
    QTest::newRow("the file has a number of its own")
        << QByteArray("Nome;Via;Civico\nA;Via Roma, 5;7\n") << u"Via Roma, 5"_s << u"7"_s;
  }
  void aHouseNumberAfterACommaGoesToItsField() {
    QFETCH(QByteArray, file);
    QFETCH(QString, street);
    QFETCH(QString, number);
    const BuiltCard card = import(file).cards.first();
    QCOMPARE(card.record.text(u"Indirizzo"), street);
    QCOMPARE(card.record.text(u"Num"), number);
  }

  // A phone's card for a firm names it twice; a person's firm goes with
  // the occupation.
  void theFirmIsTheNameOrGoesWithTheOccupation_data() {
    QTest::addColumn<QByteArray>("card");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("occupation");
    QTest::newRow("a firm") << QByteArray(
                                   "FN:Ferramenta Colombo S.r.l.\nORG:Ferramenta Colombo SRL;\n")
                            << u"Ferramenta Colombo S.r.l."_s << QString();
    QTest::newRow("a person at a firm")
        << QByteArray("FN:Anna Neri\nORG:Ferramenta Colombo;Acquisti\nTITLE:Responsabile\n")
        << u"Anna Neri"_s << u"Responsabile, Ferramenta Colombo, Acquisti"_s;
    QTest::newRow("only the firm")
        << QByteArray("N:;;;;\nORG:Studio Neri\n") << u"Studio Neri"_s << QString();
  }
  void theFirmIsTheNameOrGoesWithTheOccupation() {
    QFETCH(QByteArray, card);
    QFETCH(QString, name);
    QFETCH(QString, occupation);
    const BuiltCard built =
        import("BEGIN:VCARD\nVERSION:3.0\n" + card + "END:VCARD\n").cards.first();
    QCOMPARE(built.record.text(u"Nome"), name);
    QCOMPARE(built.record.text(u"Occupazione"), occupation);
  }

  void linesOfAValueBecomeOneLine_data() {
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("stored");
    QTest::newRow("lines") << u"riga uno\r\nriga due"_s << u"riga uno, riga due"_s;
    QTest::newRow("a line ending in a sign") << u"fine.\naltra"_s << u"fine. altra"_s;
    QTest::newRow("blank lines and blanks") << u"a;\n\n \t b   c "_s << u"a; b c"_s;
  }
  void linesOfAValueBecomeOneLine() {
    QFETCH(QString, note);
    QFETCH(QString, stored);
    const ContactRow row{{u"Nome"_s, u"Anna"_s}, {u"Note"_s, note}};
    const BuiltCard card = CardBuilder(proposeMapping({u"Nome"_s, u"Note"_s})).build(row);
    QCOMPARE(card.record.text(u"Note"), stored);
  }

  // "Roma (RM)" in the town column gives the town and the province.
  void aTownCarriesItsProvince() {
    const BuiltCard card = import("Nome;Città\nAnna;Sant'Agata de' Goti (bn)\n").cards.first();
    QCOMPARE(card.record.text(u"Localita"), u"Sant'Agata de' Goti"_s);
    QCOMPARE(card.record.text(u"Prov01") + card.record.text(u"Prov02"), u"BN"_s);
  }

  // A card takes one whole address of the contact and names the others in
  // its note; it never holds parts of two.
  void aCardTakesOneWholeAddress_data() {
    QTest::addColumn<QByteArray>("addresses");
    QTest::addColumn<QStringList>("address");  // street, CAP, town, province
    QTest::addColumn<QString>("note");
    QTest::newRow("two home addresses: the first")
        << QByteArray(
               "ADR;TYPE=HOME:;;111 Main St;NY;NY;10001;USA\n"
               "ADR;TYPE=HOME:;;114 Main St;NY;NY;10002;USA\n")
        << QStringList{u"111 Main St"_s, u"10001"_s, u"NY, USA"_s, u"NY"_s}
        << u"Altri recapiti: Altro indirizzo: 114 Main St, 10002 NY NY, USA"_s;
    QTest::newRow("no type and a custom type: the first")
        << QByteArray("ADR:;;Via Po 1;Torino;TO;10123;\nADR;TYPE=x-magazzino:;;Via Po 9;;;;\n")
        << QStringList{u"Via Po 1"_s, u"10123"_s, u"Torino"_s, u"TO"_s}
        << u"Altri recapiti: Altro indirizzo: Via Po 9"_s;
    QTest::newRow("the home address marked preferred, not the work one")
        << QByteArray(
               "ADR;TYPE=WORK:;;Via Lavoro 1;Milano;MI;20121;Italia\n"
               "ADR;TYPE=HOME;TYPE=PREF:;;Via Casa 2;Roma;RM;00184;Italia\n")
        << QStringList{u"Via Casa 2"_s, u"00184"_s, u"Roma"_s, u"RM"_s}
        << u"Altri recapiti: Altro indirizzo: Via Lavoro 1, 20121 Milano MI, Italia"_s;
    QTest::newRow("a CAP alone does not make the first address")
        << QByteArray("ADR;TYPE=HOME:;;;;;00100;\nADR;TYPE=WORK:;;Via Lavoro 1;Milano;MI;20121;\n")
        << QStringList{u"Via Lavoro 1"_s, u"20121"_s, u"Milano"_s, u"MI"_s}
        << u"Altri recapiti: Altro indirizzo: 00100"_s;
  }
  void aCardTakesOneWholeAddress() {
    QFETCH(QByteArray, addresses);
    QFETCH(QStringList, address);
    QFETCH(QString, note);
    const BuiltCard card =
        import("BEGIN:VCARD\nVERSION:3.0\nFN:Anna\n" + addresses + "END:VCARD\n").cards.first();
    QString cap;
    for (int i = 1; i <= 5; ++i) cap += card.record.text(u"Cap0"_s + QString::number(i));
    QCOMPARE((QStringList{card.record.text(u"Indirizzo"), cap, card.record.text(u"Localita"),
                          card.record.text(u"Prov01") + card.record.text(u"Prov02")}),
             address);
    QCOMPARE(card.record.text(u"Note"), note);
  }

  // Second phones, mobiles and e-mail addresses have no field of their
  // own: they go into the note after the contact's own notes, as long as it
  // has room, and what has none is named.
  void valuesWithoutAFieldGoToTheNote_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("remarks");
    QTest::newRow("Outlook's second phone and e-mail, a fax")
        << QByteArray(
               "First Name,Last Name,Business Phone,Business Phone 2,Mobile Phone,"
               "E-mail Address,E-mail 2 Address,Business Fax,Notes\n"
               "Mario,Rossi,02 1,02 2,333 1,a@x.it,B@X.it,02 9,Cliente\n")
        << u"Cliente. Altri recapiti: Tel. 02 2; E-mail B@X.it; Business Fax: 02 9"_s
        << QStringList{u"nella nota: Tel. 02 2; E-mail B@X.it; Business Fax: 02 9"_s};
    QTest::newRow("a vCard's work phone beside its home one, a number twice")
        << QByteArray(
               "BEGIN:VCARD\nFN:Anna\nTEL;TYPE=HOME:06 1\nTEL;TYPE=WORK:06 2\n"
               "TEL;TYPE=CELL:333 1\nTEL;TYPE=CELL:333 2\nTEL:06-1\nEND:VCARD\n")
        << u"Altri recapiti: Tel. 06 2; Cell. 333 2"_s
        << QStringList{u"nella nota: Tel. 06 2; Cell. 333 2"_s};
    QTest::newRow("a full note: what has no room is named")
        << "Nome;Telefono;Telefono 2;Note\nAnna;06 1;06 2;" + QByteArray(240, 'n') + "\n"
        << QString(240, u'n')
        << QStringList{u"non importato: Tel. 06 2 (la nota non ha più spazio)"_s};
  }
  void valuesWithoutAFieldGoToTheNote() {
    QFETCH(QByteArray, file);
    QFETCH(QString, note);
    QFETCH(QStringList, remarks);
    const BuiltCard card = import(file).cards.first();
    QCOMPARE(card.record.text(u"Note"), note);
    QCOMPARE(remarkLines(card), remarks);
  }

  // An Italian CAP that a spreadsheet shortened gets its zeros back; a
  // postcode of another country is written before the town as that country
  // writes it, never forced into the five boxes.
  void capsAndForeignPostcodes_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("cap");
    QTest::addColumn<QString>("town");
    QTest::addColumn<QStringList>("remarks");
    QTest::newRow("three digits") << u"184"_s << QString() << u"00184"_s << u"Roma"_s
                                  << QStringList{u"CAP completato: 184 \u2192 00184"_s};
    QTest::newRow("four digits in Italy") << u"6100"_s << u"Italia"_s << u"06100"_s << u"Roma"_s
                                          << QStringList{u"CAP completato: 6100 \u2192 06100"_s};
    QTest::newRow("a Swiss code") << u"8001"_s << u"Svizzera"_s << QString()
                                  << u"8001 Roma, Svizzera"_s
                                  << QStringList{u"nella località: CAP \u00AB8001\u00BB"_s};
    QTest::newRow("a British code, no country")
        << u"SW1A 1AA"_s << QString() << QString() << u"SW1A 1AA Roma"_s
        << QStringList{u"nella località: CAP \u00ABSW1A 1AA\u00BB"_s};
    QTest::newRow("five digits abroad fit the boxes")
        << u"28013"_s << u"Spagna"_s << u"28013"_s << u"Roma, Spagna"_s << QStringList{};
    QTest::newRow("two digits are no CAP") << u"12"_s << QString() << QString() << u"Roma"_s
                                           << QStringList{u"non importato: CAP \u00AB12\u00BB"_s};
  }
  void capsAndForeignPostcodes() {
    QFETCH(QString, code);
    QFETCH(QString, country);
    QFETCH(QString, cap);
    QFETCH(QString, town);
    QFETCH(QStringList, remarks);
    const ContactRow row{
        {u"Nome"_s, u"Anna"_s}, {u"CAP"_s, code}, {u"Città"_s, u"Roma"_s}, {u"Nazione"_s, country}};
    const BuiltCard card =
        CardBuilder(proposeMapping({u"Nome"_s, u"CAP"_s, u"Città"_s, u"Nazione"_s})).build(row);
    QString boxes;
    for (int i = 1; i <= 5; ++i) boxes += card.record.text(u"Cap0"_s + QString::number(i));
    QCOMPARE(boxes, cap);
    QCOMPARE(card.record.text(u"Localita"), town);
    QCOMPARE(remarkLines(card), remarks);
  }

  // Certified mail is told by its provider's domain or a "pec" part of the
  // domain, not by letters a domain starts with.
  void certifiedMailByItsDomain_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("certified");
    QTest::newRow("a provider's domain") << u"studio@legalmail.it"_s << true;
    QTest::newRow("a provider's subdomain") << u"studio@cert.legalmail.it"_s << true;
    QTest::newRow("Aruba") << u"mario.rossi@pec.it"_s << true;
    QTest::newRow("an office's pec part") << u"protocollo@pec.comune.example.it"_s << true;
    QTest::newRow("a domain that starts with pec") << u"info@pecorinoromano.com"_s << false;
    QTest::newRow("pec inside a name") << u"pec@example.it"_s << false;
  }
  void certifiedMailByItsDomain() {
    QFETCH(QString, address);
    QFETCH(bool, certified);
    const BuiltCard card = CardBuilder(proposeMapping({u"Nome"_s, u"E-mail"_s}))
                               .build({{u"Nome"_s, u"Anna"_s}, {u"E-mail"_s, address}});
    QCOMPARE(card.record.text(u"Pec"), certified ? address : QString());
    QCOMPARE(card.record.text(u"Email"), certified ? QString() : address);
  }

  void datesAsFilesWriteThem_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("stored");
    QTest::newRow("month first, as only it can be") << u"5/17/1980"_s << u"17/05/1980"_s;
    QTest::newRow("day first") << u"17/5/1980"_s << u"17/05/1980"_s;
    QTest::newRow("either: as Italians write it") << u"5/6/1980"_s << u"05/06/1980"_s;
    QTest::newRow("ISO") << u"1980-05-17"_s << u"17/05/1980"_s;
    QTest::newRow("without the year") << u"--0517"_s << u"17/05"_s;
    QTest::newRow("Outlook's no date") << u"0/0/00"_s << QString();
    QTest::newRow("words stay") << u"mag. 1980"_s << u"mag. 1980"_s;
  }
  void datesAsFilesWriteThem() {
    QFETCH(QString, written);
    QFETCH(QString, stored);
    const BuiltCard card = CardBuilder(proposeMapping({u"Nome"_s, u"Data di nascita"_s}))
                               .build({{u"Nome"_s, u"Anna"_s}, {u"Data di nascita"_s, written}});
    QCOMPARE(card.record.text(u"DataNasc"), stored);
  }

  // A mapping the user changed: the column left out is not stored, the one
  // moved goes to its new field.
  void followsTheUsersMapping() {
    const ContactTable table = ContactFile::fromBytes("Nome;Telefono;Varie\nAnna;06 1;nota\n");
    ColumnMapping mapping = proposeMapping(table.names);
    mapping[1].target.clear();
    mapping[2].target = u"Questioni"_s;
    const BuiltCard card = CardBuilder(mapping).build(table.rows.first());
    QCOMPARE(card.record.text(u"Tel"), QString());
    QCOMPARE(card.record.text(u"Questioni"), u"nota"_s);
    QVERIFY(card.hasName());
  }
};

QTEST_APPLESS_MAIN(CardBuilderTest)
#include "tst_cardbuilder.moc"
