#include <QtTest>

#include "archive/layouts.h"
#include "contactimport/addressbookimport.h"
#include "contactimport/contactfile.h"
#include "contactimport/knowncards.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

using Fields = QList<QPair<QString, QString>>;

TSchedaAnagrafica card(const Fields& fields) {
  TSchedaAnagrafica out;
  for (const auto& [name, text] : fields) out.field(out.layout().indexOf(name)).FromText(text);
  return out;
}

}  // namespace

class KnownCardsTest : public QObject {
  Q_OBJECT
 private slots:
  // A card in the address book, and a contact that is or is not the same
  // person.
  void aContactIsKnownByNameAndAddressOrByCode_data() {
    QTest::addColumn<Fields>("stored");
    QTest::addColumn<Fields>("contact");
    QTest::addColumn<bool>("known");
    const Fields mario{
        {u"Nome"_s, u"Mario Rossi"_s}, {u"Indirizzo"_s, u"Via Milano"_s}, {u"Num"_s, u"2"_s}};
    QTest::newRow("a namesake at another address")
        << mario << Fields{{u"Nome"_s, u"Mario Rossi"_s}, {u"Indirizzo"_s, u"Via Napoli 3"_s}}
        << false;
    QTest::newRow("the same address written short")
        << mario << Fields{{u"Nome"_s, u"mario  ROSSI"_s}, {u"Indirizzo"_s, u"V. Milano, n. 2"_s}}
        << true;
    QTest::newRow("a square, abbreviated")
        << Fields{{u"Nome"_s, u"Anna Verdi"_s}, {u"Indirizzo"_s, u"Piazza Duomo 1"_s}}
        << Fields{{u"Nome"_s, u"Anna Verdi"_s},
                  {u"Indirizzo"_s, u"P.zza Duomo"_s},
                  {u"Num"_s, u"1"_s}}
        << true;
    QTest::newRow("the same name, one without an address")
        << mario << Fields{{u"Nome"_s, u"Mario Rossi"_s}} << false;
    QTest::newRow("both without an address")
        << Fields{{u"Nome"_s, u"Luca Neri"_s}} << Fields{{u"Nome"_s, u"Luca Neri"_s}} << true;
    QTest::newRow("the same tax code under another name")
        << Fields{{u"Nome"_s, u"Rossi Mario"_s}, {u"CodFisc"_s, u"RSSMRA80A01H501U"_s}}
        << Fields{{u"Nome"_s, u"Mario Rossi"_s}, {u"CodFisc"_s, u"rssmra80a01h501u"_s}} << true;
    QTest::newRow("the same e-mail address")
        << Fields{{u"Nome"_s, u"Studio Rossi"_s}, {u"Email"_s, u"Info@Rossi.example"_s}}
        << Fields{{u"Nome"_s, u"Mario Rossi"_s}, {u"Email"_s, u"info@rossi.example"_s}} << true;
  }
  void aContactIsKnownByNameAndAddressOrByCode() {
    QFETCH(Fields, stored);
    QFETCH(Fields, contact);
    QFETCH(bool, known);
    KnownCards cards;
    cards.add(card(stored));
    QCOMPARE(cards.contains(card(contact)), known);
  }

  // Four contacts, two pairs of namesakes: four cards.
  void namesakesOfOneFileAreAllImported() {
    const ContactTable table = ContactFile::fromBytes(
        "Nome;Indirizzo;Città\n"
        "Mario Rossi;Via Milano 2;Roma\nMario Rossi;Via Napoli 3;Roma\n"
        "Anna Verdi;Via Po 1;Torino\nAnna Verdi;Corso Francia 5;Torino\n"
        "Anna Verdi;Via Po, 1;Torino\n");
    const ImportCounts counts =
        AddressBookImport(table, proposeMapping(table.names)).survey(KnownCards());
    QCOMPARE(counts.imported, 4);
    QCOMPARE(counts.known, 1);
  }
};

QTEST_APPLESS_MAIN(KnownCardsTest)
#include "tst_knowncards.moc"
