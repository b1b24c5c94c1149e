#include <QTest>

#include "validators/cardnumber.h"
#include "verdicts.h"

using Verdict = CheckReport::Verdict;

namespace {
const QString kEmpty =
    u"Attenzione: immettere il numero di carta di credito prima di premere il pulsante "
    "di controllo."_qs;
const QString kWrong =
    u"Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative al tipo di carta di credito."_qs;

QString validAs(const QString& number, const QString& network) {
  return u"Il numero di carta di credito "_qs + number + u" risulta valido.\r\n\r\n"_qs +
         u"La carta di credito è del tipo "_qs + network + u'.';
}

QString unknownNetwork(const QString& number) {
  return u"Il numero di carta di credito "_qs + number +
         u" supera il controllo della cifra di verifica.\r\n\r\n"
         "Non è però possibile riconoscere il circuito della carta di credito."_qs;
}

const QString kDiners = u"Diner's Club / Carte Blanche"_qs;
const QString kAmex = u"American Express"_qs;
}  // namespace

class CardNumberTest : public QObject {
  Q_OBJECT
 private slots:
  void check_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("message");
    const QString visa = u"4111111111111111"_qs;
    QTest::newRow("Visa") << visa << Verdict::Valid << validAs(visa, u"Visa"_qs);
    QTest::newRow("two digits 42") << u"42"_qs << Verdict::Valid << validAs(u"42"_qs, u"Visa"_qs);
    QTest::newRow("groups quoted as typed")
        << u"4111 1111 1111 1111"_qs << Verdict::Valid
        << validAs(u"4111 1111 1111 1111"_qs, u"Visa"_qs);
    QTest::newRow("quoted trimmed") << u" 42 "_qs << Verdict::Valid
                                    << validAs(u"42"_qs, u"Visa"_qs);
    // The final 9 is the 21st character: unseen, so the number still passes.
    QTest::newRow("digit after the 20th character unseen")
        << u"4111 1111 1111 1111 9"_qs << Verdict::Valid
        << validAs(u"4111 1111 1111 1111 9"_qs, u"Visa"_qs);
    QTest::newRow("MasterCard") << u"5555555555554444"_qs << Verdict::Valid
                                << validAs(u"5555555555554444"_qs, u"MasterCard"_qs);
    QTest::newRow("American Express") << u"378282246310005"_qs << Verdict::Valid
                                      << validAs(u"378282246310005"_qs, kAmex);
    QTest::newRow("Discover") << u"6011111111111117"_qs << Verdict::Valid
                              << validAs(u"6011111111111117"_qs, u"Discover"_qs);
    QTest::newRow("Diner's Club") << u"30569309025904"_qs << Verdict::Valid
                                  << validAs(u"30569309025904"_qs, kDiners);
    QTest::newRow("JCB") << u"3530111333300000"_qs << Verdict::Valid
                         << validAs(u"3530111333300000"_qs, u"JCB"_qs);
    QTest::newRow("passing, starts with 32")
        << u"3200000000000002"_qs << Verdict::Valid << unknownNetwork(u"3200000000000002"_qs);
    QTest::newRow("passing, starts with 39")
        << u"3900000000000005"_qs << Verdict::Valid << unknownNetwork(u"3900000000000005"_qs);
    QTest::newRow("passing, 3 then a dash")
        << u"3-4000000000000"_qs << Verdict::Valid << unknownNetwork(u"3-4000000000000"_qs);
    QTest::newRow("last digit changed") << u"4111111111111112"_qs << Verdict::Wrong << kWrong;
    QTest::newRow("passing, starts with 2") << u"2223000048400011"_qs << Verdict::Wrong << kWrong;
    QTest::newRow("passing, starts with 1") << u"18"_qs << Verdict::Wrong << kWrong;
    QTest::newRow("passing, starts with 0") << u"0"_qs << Verdict::Wrong << kWrong;
    QTest::newRow("no digits") << u"----"_qs << Verdict::Wrong << kWrong;
    QTest::newRow("empty") << QString() << Verdict::Unusable << kEmpty;
    QTest::newRow("only blanks") << u"   "_qs << Verdict::Unusable << kEmpty;
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
    QTest::newRow("plain") << u"4111111111111111"_qs << u"4111111111111111"_qs;
    QTest::newRow("blanks and dashes") << u"4111-1111 1111/1111"_qs << u"4111111111111111"_qs;
    QTest::newRow("cut at 20 characters") << u"4111 1111 1111 1111 2222"_qs
                                          << u"4111111111111111"_qs;
    QTest::newRow("25 plain digits") << u"1234567890123456789012345"_qs
                                     << u"12345678901234567890"_qs;
    QTest::newRow("no digits") << u"ABC"_qs << QString();
  }
  void digitsOf() {
    QFETCH(QString, text);
    QFETCH(QString, digits);
    QCOMPARE(CardNumber::digitsOf(text), digits);
  }

  void passesLuhn_data() {
    QTest::addColumn<QString>("digits");
    QTest::addColumn<bool>("passes");
    QTest::newRow("textbook example") << u"79927398713"_qs << true;
    QTest::newRow("textbook altered") << u"79927398710"_qs << false;
    QTest::newRow("neighbours swapped") << u"79927398731"_qs << false;
    QTest::newRow("single zero") << u"0"_qs << true;
    QTest::newRow("single one") << u"1"_qs << false;
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
    QTest::newRow("30") << u"3012"_qs << true << kDiners;
    QTest::newRow("36") << u"3612"_qs << true << kDiners;
    QTest::newRow("38") << u"3812"_qs << true << kDiners;
    QTest::newRow("34") << u"3412"_qs << true << kAmex;
    QTest::newRow("37") << u"3712"_qs << true << kAmex;
    QTest::newRow("31") << u"3112"_qs << true << u"JCB"_qs;
    QTest::newRow("33") << u"3312"_qs << true << u"JCB"_qs;
    QTest::newRow("35") << u"3512"_qs << true << u"JCB"_qs;
    QTest::newRow("32") << u"3212"_qs << true << QString();
    QTest::newRow("39") << u"3912"_qs << true << QString();
    QTest::newRow("3 then blank") << u"3 412"_qs << true << QString();
    QTest::newRow("3 alone") << u"3"_qs << true << QString();
    QTest::newRow("4") << u"4999"_qs << true << u"Visa"_qs;
    QTest::newRow("5") << u"5000"_qs << true << u"MasterCard"_qs;
    QTest::newRow("6") << u"6300"_qs << true << u"Discover"_qs;
    QTest::newRow("dash before 4") << u"-4111"_qs << true << u"Visa"_qs;
    for (const char* first : {"0", "1", "2", "7", "8", "9"})
      QTest::newRow(first) << QString::fromLatin1(first) + u"4000"_qs << false << QString();
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
