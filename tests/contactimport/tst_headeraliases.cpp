#include <QtTest>

#include "contactimport/cardbuilder.h"
#include "contactimport/cardtargets.h"
#include "contactimport/contactfile.h"
#include "contactimport/headeraliases.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

// Where each column goes, an address part with its address:
// "Localita@20".
QStringList targets(const ColumnMapping& mapping) {
  QStringList out;
  for (const ColumnRule& rule : mapping) {
    const CardTarget* target = CardTargets::find(rule.target);
    out.append(target && target->address ? u"%1@%2"_s.arg(rule.target).arg(rule.address)
                                         : rule.target);
  }
  return out;
}

// The parts of one address.
QStringList address(const QStringList& parts, int group) {
  QStringList out;
  for (const QString& part : parts) out.append(u"%1@%2"_s.arg(part).arg(group));
  return out;
}

BuiltCard firstCard(const ContactTable& table, const ColumnMapping& mapping) {
  return CardBuilder(mapping).build(table.rows.first());
}

QString cap(const TScheda& card) {
  QString out;
  for (int i = 1; i <= 5; ++i) out += card.text(u"Cap0"_s + QString::number(i));
  return out;
}

QString province(const TScheda& card) { return card.text(u"Prov01") + card.text(u"Prov02"); }

}  // namespace

class HeaderAliasesTest : public QObject {
  Q_OBJECT
 private slots:
  // The headers of the address-book exports, column by column: Thunderbird's
  // (its export writes the names of its importMsgs strings 2100-2136, in
  // English and in Italian), Outlook's in English and in Italian, and Google
  // Contacts' current export.
  void exportHeadersOfThePrograms_data() {
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("targets");
    const QStringList thunderbirdTargets =
        // clang-format off
        QStringList{{}, {}, u"Nome"_s, {}, u"Email"_s, u"Email"_s, {}, u"Tel"_s, u"Tel"_s,
                    u"AltriRecapiti"_s, u"AltriRecapiti"_s, u"Cel"_s}  // clang-format on
        << address({u"Indirizzo"_s, u"Indirizzo"_s, u"Localita"_s, u"Provincia"_s, u"CAP"_s,
                    u"Paese"_s},
                   AddressGroups::kHome)
        << address({u"Indirizzo"_s, u"Indirizzo"_s, u"Localita"_s, u"Provincia"_s, u"CAP"_s,
                    u"Paese"_s},
                   AddressGroups::kWork)
        << QStringList{
               u"Occupazione"_s,   {}, u"Ditta"_s, {}, {}, u"AnnoNascita"_s, u"MeseNascita"_s,
               u"GiornoNascita"_s, {}, {},         {}, {}, u"Note"_s};
    QTest::newRow("Thunderbird, English")
        << u"First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,"
           "Screen Name,Work Phone,Home Phone,Fax Number,Pager Number,Mobile Number,"
           "Home Address,Home Address 2,Home City,Home State,Home ZipCode,Home Country,"
           "Work Address,Work Address 2,Work City,Work State,Work ZipCode,Work Country,"
           "Job Title,Department,Organization,Web Page 1,Web Page 2,Birth Year,Birth Month,"
           "Birth Day,Custom 1,Custom 2,Custom 3,Custom 4,Notes"_s.split(u',')
        << thunderbirdTargets;
    QTest::newRow("Thunderbird, Italian")
        << u"Nome,Cognome,Nome visualizzato,Soprannome,Email primaria,Email secondaria,"
           "Nome Instant Messenger,Telefono lavoro,Telefono casa,Numero fax,"
           "Numero cercapersone,Numero cellulare,Indirizzo di casa,Indirizzo di casa 2,"
           "Città di residenza,Provincia di residenza,CAP di residenza,Nazione di residenza,"
           "Indirizzo di lavoro,Indirizzo di lavoro 2,Città di lavoro,Provincia di lavoro,"
           "CAP di lavoro,Nazione di lavoro,Qualifica,Reparto,Organizzazione,Pagina web 1,"
           "Pagina web 2,Anno di nascita,Mese di nascita,Giorno di nascita,Personalizzato 1,"
           "Personalizzato 2,Personalizzato 3,Personalizzato 4,Note"_s.split(u',')
        << thunderbirdTargets;

    QStringList outlookTargets =
        QStringList{{}, u"Nome"_s, u"Nome"_s, u"Nome"_s, {}, u"Ditta"_s, {}, u"Occupazione"_s};
    for (int group : {AddressGroups::kWork, AddressGroups::kHome, AddressGroups::kOther}) {
      outlookTargets << address({u"Indirizzo"_s, u"Indirizzo"_s, u"Indirizzo"_s, u"Localita"_s,
                                 u"Provincia"_s, u"CAP"_s, u"Paese"_s},
                                group);
    }
    // clang-format off
    const QStringList outlookPhones{{},        u"AltriRecapiti"_s, u"Tel"_s, u"Tel"_s,
                                    u"Tel"_s,  u"Tel"_s,           u"Tel"_s, u"AltriRecapiti"_s,
                                    u"Tel"_s,  u"Tel"_s,           {},       u"Cel"_s,
                                    u"AltriRecapiti"_s, u"Tel"_s,  u"AltriRecapiti"_s,
                                    u"Tel"_s,  u"Tel"_s,           {},       {}};
    // clang-format on
    QTest::newRow("Outlook, English")
        << u"Title,First Name,Middle Name,Last Name,Suffix,Company,Department,Job Title,"
           "Business Street,Business Street 2,Business Street 3,Business City,Business State,"
           "Business Postal Code,Business Country/Region,Home Street,Home Street 2,"
           "Home Street 3,Home City,Home State,Home Postal Code,Home Country/Region,"
           "Other Street,Other Street 2,Other Street 3,Other City,Other State,"
           "Other Postal Code,Other Country/Region,Assistant's Phone,Business Fax,"
           "Business Phone,Business Phone 2,Callback,Car Phone,Company Main Phone,Home Fax,"
           "Home Phone,Home Phone 2,ISDN,Mobile Phone,Other Fax,Other Phone,Pager,"
           "Primary Phone,Radio Phone,TTY/TDD Phone,Telex,Birthday,E-mail Address,"
           "E-mail Type,E-mail Display Name,E-mail 2 Address,E-mail 3 Address,Gender,"
           "Government ID Number,Notes,Profession,Web Page"_s.split(u',')
        << outlookTargets + outlookPhones +
               QStringList{u"DataNasc"_s, u"Email"_s,       {},         {},
                           u"Email"_s,    u"Email"_s,       u"Sesso"_s, u"CodFisc"_s,
                           u"Note"_s,     u"Occupazione"_s, {}};
    QTest::newRow("Outlook, Italian")
        << u"Titolo,Nome,Secondo nome,Cognome,Titolo straniero,Società,Reparto,Posizione,"
           "Via (uff.),Via (uff.) 2,Via (uff.) 3,Città (uff.),Provincia (uff.),CAP (uff.),"
           "Paese/area geografica (uff.),Via (ab.),Via (ab.) 2,Via (ab.) 3,Città (ab.),"
           "Provincia (ab.),CAP (ab.),Paese/area geografica (ab.),Altra via,Altra via 2,"
           "Altra via 3,Altra città,Altra provincia,Altro CAP,Altro paese/area geografica,"
           "Telefono assistente,Fax (uff.),Ufficio,Ufficio 2,Richiamata automatica,"
           "Telefono auto,Telefono principale società,Fax (ab.),Abitazione,Abitazione 2,ISDN,"
           "Cellulare,Altro fax,Altro telefono,Cercapersone,Telefono principale,"
           "Radiotelefono,Telefono TTY/TDD,Telex,Compleanno,Indirizzo posta elettronica,"
           "Tipo posta elettronica,Nome visualizzato posta elettronica,"
           "Indirizzo posta elettronica 2,Indirizzo posta elettronica 3,Sesso,"
           "Cod. Fisc./P. IVA,Notes,Professione,Pagina Web"_s.split(u',')
        << outlookTargets + outlookPhones +
               QStringList{u"DataNasc"_s, u"Email"_s,       {},         {},
                           u"Email"_s,    u"Email"_s,       u"Sesso"_s, u"CodFisc"_s,
                           u"Note"_s,     u"Occupazione"_s, {}};
    // Google's labelled values as the reader names them.
    QTest::newRow("Google Contacts")
        << u"First Name,Middle Name,Last Name,Phonetic First Name,Name Prefix,Nickname,"
           "File As,Organization Name,Organization Title,Organization Department,Birthday,"
           "Notes,Labels,E-mail (Casa),E-mail (PEC),Phone (Cellulare),Phone (Fax lavoro),"
           "Phone (Mobile),Address 1 - Label,Address 1 - Formatted,Address 1 - Street,"
           "Address 1 - City,Address 1 - PO Box,Address 1 - Region,Address 1 - Postal Code,"
           "Address 1 - Country,Address 1 - Extended Address,Address 2 - City"_s.split(u',')
        // clang-format off
        << QStringList{u"Nome"_s,        u"Nome"_s,
                       u"Nome"_s,        {},
                       {},               {},
                       {},               u"Ditta"_s,
                       u"Occupazione"_s, {},
                       u"DataNasc"_s,    u"Note"_s,
                       {},               u"Email"_s,
                       u"Pec"_s,         u"Cel"_s,
                       u"AltriRecapiti"_s, u"Cel"_s,
                       {},               u"IndirizzoCompleto@1"_s,
                       u"Indirizzo@1"_s, u"Localita@1"_s,
                       u"Indirizzo@1"_s, u"Provincia@1"_s,
                       u"CAP@1"_s,       u"Paese@1"_s,
                       u"Indirizzo@1"_s, u"Localita@2"_s};
    // clang-format on
  }
  void exportHeadersOfThePrograms() {
    QFETCH(QStringList, header);
    QFETCH(QStringList, targets);
    QCOMPARE(header.size(), targets.size());
    const QStringList found = ::targets(proposeMapping(header));
    for (qsizetype i = 0; i < header.size(); ++i)
      QVERIFY2(found[i] == targets[i],
               qPrintable(u"%1: %2 instead of %3"_s.arg(header[i], found[i], targets[i])));
  }

  // Thunderbird's birth date in three columns; "Birth Day" is the day.
  void aBirthDateInThreeColumns_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("date");
    QTest::newRow("day, month and year")
        << QByteArray("Display Name,Birth Year,Birth Month,Birth Day\nAnna,1980,5,17\n")
        << u"17/05/1980"_s;
    QTest::newRow("without the year")
        << QByteArray(
               "Nome visualizzato;Anno di nascita;Mese di nascita;Giorno di nascita\n"
               "Anna;;12;3\n")
        << u"03/12"_s;
    QTest::newRow("a whole date wins")
        << QByteArray("Name,Birthday,Birth Day\nAnna,1975-03-08,17\n") << u"08/03/1975"_s;
  }
  void aBirthDateInThreeColumns() {
    QFETCH(QByteArray, file);
    QFETCH(QString, date);
    const ContactTable table = ContactFile::fromBytes(file);
    QCOMPARE(firstCard(table, proposeMapping(table.names)).record.text(u"DataNasc"), date);
  }

  // Google's whole address is used when it is the address's only column.
  void aFormattedAddressIsTakenApart() {
    const ContactTable table = ContactFile::fromBytes(
        "First Name,Last Name,Address 1 - Label,Address 1 - Formatted\n"
        "Giulia,Romano,Home,\"Via Appia 10\nScala B\n00179 Roma RM\nItalia\"\n");
    const BuiltCard card = firstCard(table, proposeMapping(table.names));
    QCOMPARE(card.record.text(u"Indirizzo"), u"Via Appia 10, Scala B"_s);
    QCOMPARE(cap(card.record), u"00179"_s);
    QCOMPARE(card.record.text(u"Localita"), u"Roma"_s);
    QCOMPARE(province(card.record), u"RM"_s);
  }

  // The user maps by hand the street and the CAP of the home address, which
  // the file names in its own words: the card takes that address whole,
  // with the town and province already mapped, and the business address
  // goes to the note.
  void aHandMadeMappingKeepsEachAddressWhole_data() {
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("code");
    QTest::newRow("names that say home") << u"Indirizzo abitazione"_s << u"Codice abitazione"_s;
    QTest::newRow("names that say nothing") << u"Recapito"_s << u"Codice"_s;
  }
  void aHandMadeMappingKeepsEachAddressWhole() {
    QFETCH(QString, street);
    QFETCH(QString, code);
    const QByteArray header = (u"Nome;%1;%2;Città (ab.);Provincia (ab.);Via (uff.);Città (uff.);"
                               "CAP (uff.)\n"_s.arg(street, code))
                                  .toUtf8();
    const ContactTable table = ContactFile::fromBytes(
        header + "Anna Bianchi;Via Casa 2;00184;Roma;RM;Via Lavoro 1;Milano;20121\n");
    ColumnMapping mapping = proposeMapping(table.names);
    QCOMPARE(mapping[1].target, QString());
    retarget(mapping, 1, u"Indirizzo"_s);
    retarget(mapping, 2, CardTargets::kCap);
    QCOMPARE(mapping[1].address, AddressGroups::kHome);
    QCOMPARE(mapping[2].address, AddressGroups::kHome);
    const BuiltCard card = firstCard(table, mapping);
    QCOMPARE(card.record.text(u"Indirizzo"), u"Via Casa 2"_s);
    QCOMPARE(cap(card.record), u"00184"_s);
    QCOMPARE(card.record.text(u"Localita"), u"Roma"_s);
    QCOMPARE(province(card.record), u"RM"_s);
    QCOMPARE(card.record.text(u"Note"),
             u"Altri recapiti: Altro indirizzo: Via Lavoro 1, 20121 Milano"_s);
  }

  // A second street for an address that has one already is an address of
  // its own: two streets are never joined.
  void aSecondStreetIsAnotherAddress() {
    ColumnMapping mapping = proposeMapping({u"Nome"_s, u"Via"_s, u"Città"_s, u"Domicilio"_s});
    retarget(mapping, 3, u"Indirizzo"_s);
    QVERIFY(mapping[3].address != mapping[1].address);
    const BuiltCard card = CardBuilder(mapping).build({{u"Nome"_s, u"Anna"_s},
                                                       {u"Via"_s, u"Via Po 1"_s},
                                                       {u"Città"_s, u"Torino"_s},
                                                       {u"Domicilio"_s, u"Via Roma 9"_s}});
    QCOMPARE(card.record.text(u"Indirizzo"), u"Via Po 1"_s);
    QCOMPARE(card.record.text(u"Note"), u"Altri recapiti: Altro indirizzo: Via Roma 9"_s);
  }
};

QTEST_APPLESS_MAIN(HeaderAliasesTest)
#include "tst_headeraliases.moc"
