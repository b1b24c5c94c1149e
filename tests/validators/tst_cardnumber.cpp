#include <QTest>

#include "validators/cardnumber.h"
#include "verdicts.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using Verdict = CheckReport::Verdict;

namespace {
const QString kEmpty =
    u"Attenzione: immettere il numero di carta di credito prima di premere il pulsante "
    "di controllo."_s;
const QString kWrong =
    u"Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative al tipo di carta di credito."_s;

QString validAs(const QString& number, const QString& network) {
  return u"Il numero di carta di credito "_s + number + u" risulta valido.\r\n\r\n"_s +
         u"La carta di credito è del tipo "_s + network + u'.';
}

QString unknownNetwork(const QString& number) {
  return u"Il numero di carta di credito "_s + number +
         u" supera il controllo della cifra di verifica.\r\n\r\n"
         "Non è però possibile riconoscere il circuito della carta di credito."_s;
}

const QString kDiners = u"Diner's Club / Carte Blanche"_s;
const QString kAmex = u"American Express"_s;
}  // namespace

class CardNumberTest : public QObject {
  Q_OBJECT
 private slots:
  void check_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("message");
    const QString visa = u"4111111111111111"_s;
    QTest::newRow("Visa") << visa << Verdict::Valid << validAs(visa, u"Visa"_s);
    QTest::newRow("two digits 42") << u"42"_s << Verdict::Valid << validAs(u"42"_s, u"Visa"_s);
    QTest::newRow("groups quoted as typed") << u"4111 1111 1111 1111"_s << Verdict::Valid
                                            << validAs(u"4111 1111 1111 1111"_s, u"Visa"_s);
    QTest::newRow("quoted trimmed") << u" 42 "_s << Verdict::Valid << validAs(u"42"_s, u"Visa"_s);
    // The final 9 is the 21st character: unseen, so the number still passes.
    QTest::newRow("digit after the 20th character unseen")
        << u"4111 1111 1111 1111 9"_s << Verdict::Valid
        << validAs(u"4111 1111 1111 1111 9"_s, u"Visa"_s);
    QTest::newRow("MasterCard") << u"5555555555554444"_s << Verdict::Valid
                                << validAs(u"5555555555554444"_s, u"MasterCard"_s);
    QTest::newRow("American Express")
        << u"378282246310005"_s << Verdict::Valid << validAs(u"378282246310005"_s, kAmex);
    QTest::newRow("Discover") << u"6011111111111117"_s << Verdict::Valid
                              << validAs(u"6011111111111117"_s, u"Discover"_s);
    QTest::newRow("Diner's Club") << u"30569309025904"_s << Verdict::Valid
                                  << validAs(u"30569309025904"_s, kDiners);
    QTest::newRow("JCB") << u"3530111333300000"_s << Verdict::Valid
                         << validAs(u"3530111333300000"_s, u"JCB"_s);
    QTest::newRow("passing, starts with 32")
        << u"3200000000000002"_s << Verdict::Valid << unknownNetwork(u"3200000000000002"_s);
    QTest::newRow("passing, starts with 39")
        << u"3900000000000005"_s << Verdict::Valid << unknownNetwork(u"3900000000000005"_s);
    QTest::newRow("passing, 3 then a dash")
        << u"3-4000000000000"_s << Verdict::Valid << unknownNetwork(u"3-4000000000000"_s);
    QTest::newRow("last digit changed") << u"4111111111111112"_s << Verdict::Wrong << kWrong;
    QTest::newRow("passing, starts with 2") << u"2223000048400011"_s << Verdict::Wrong << kWrong;
    QTest::newRow("passing, starts with 1") << u"18"_s << Verdict::Wrong << kWrong;
    QTest::newRow("passing, starts with 0") << u"0"_s << Verdict::Wrong << kWrong;
    QTest::newRow("no digits") << u"----"_s << Verdict::Wrong << kWrong;
    QTest::newRow("empty") << QString() << Verdict::Unusable << kEmpty;
    QTest::newRow("only blanks") << u"   "_s << Verdict::Unusable << kEmpty;
  }
  void check() {
    QFETCH(QString, text);
    QFETCH(Verdict, verdict);
    QFETCH(QString, message);
    const CheckReport report = CardNumber::check(text);
    QCOMPARE(report.verdict, verdict);
    QCOMPARE(report.message, message);
  }

  void digitsOf_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digits");
    QTest::newRow("plain") << u"4111111111111111"_s << u"4111111111111111"_s;
    QTest::newRow("blanks and dashes") << u"4111-1111 1111/1111"_s << u"4111111111111111"_s;
    QTest::newRow("cut at 20 characters") << u"4111 1111 1111 1111 2222"_s << u"4111111111111111"_s;
    QTest::newRow("25 plain digits") << u"1234567890123456789012345"_s << u"12345678901234567890"_s;
    QTest::newRow("no digits") << u"ABC"_s << QString();
  }
  void digitsOf() {
    QFETCH(QString, text);
    QFETCH(QString, digits);
    QCOMPARE(CardNumber::digitsOf(text), digits);
  }

  void passesLuhn_data() {
    QTest::addColumn<QString>("digits");
    QTest::addColumn<bool>("passes");
    QTest::newRow("textbook example") << u"79927398713"_s << true;
    QTest::newRow("textbook altered") << u"79927398710"_s << false;
    QTest::newRow("neighbours swapped") << u"79927398731"_s << false;
    QTest::newRow("single zero") << u"0"_s << true;
    QTest::newRow("single one") << u"1"_s << false;
    QTest::newRow("no digits") << QString() << false;
  }
  void passesLuhn() {
    QFETCH(QString, digits);
    QFETCH(bool, passes);
    QCOMPARE(CardNumber::passesLuhn(digits), passes);
  }

  void networkOf_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isCardClass");
    QTest::addColumn<QString>("name");
    QTest::newRow("30") << u"3012"_s << true << kDiners;
    QTest::newRow("36") << u"3612"_s << true << kDiners;
    QTest::newRow("38") << u"3812"_s << true << kDiners;
    QTest::newRow("34") << u"3412"_s << true << kAmex;
    QTest::newRow("37") << u"3712"_s << true << kAmex;
    QTest::newRow("31") << u"3112"_s << true << u"JCB"_s;
    QTest::newRow("33") << u"3312"_s << true << u"JCB"_s;
    QTest::newRow("35") << u"3512"_s << true << u"JCB"_s;
    QTest::newRow("32") << u"3212"_s << true << QString();
    QTest::newRow("39") << u"3912"_s << true << QString();
    QTest::newRow("3 then blank") << u"3 412"_s << true << QString();
    QTest::newRow("3 alone") << u"3"_s << true << QString();
    QTest::newRow("4") << u"4999"_s << true << u"Visa"_s;
    QTest::newRow("5") << u"5000"_s << true << u"MasterCard"_s;
    QTest::newRow("6") << u"6300"_s << true << u"Discover"_s;
    QTest::newRow("dash before 4") << u"-4111"_s << true << u"Visa"_s;
    for (const char* first : {"0", "1", "2", "7", "8", "9"})
      QTest::newRow(first) << QString::fromLatin1(first) + u"4000"_s << false << QString();
  }
  void networkOf() {
    QFETCH(QString, text);
    QFETCH(bool, isCardClass);
    QFETCH(QString, name);
    const CardNumber::Network network = CardNumber::networkOf(CardNumber::digitsOf(text), text);
    QCOMPARE(network.isCardClass, isCardClass);
    QCOMPARE(network.name, name);
  }
};

QTEST_GUILESS_MAIN(CardNumberTest)
#include "tst_cardnumber.moc"
