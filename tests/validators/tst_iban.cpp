#include <QTest>

#include "validators/iban.h"
#include "verdicts.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using Verdict = CheckReport::Verdict;

namespace {
const QString kLengthMessage =
    u"Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."_s;
const QString kValid = u"L'IBAN digitato è VALIDO."_s;
const QString kWrong = u"Attenzione: l'IBAN digitato è ERRATO!"_s;
const QString kItalian = u"IT60X0542811101000000123456"_s;
}  // namespace

class IbanTest : public QObject {
  Q_OBJECT
 private slots:
  void check_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("message");
    QTest::newRow("Italian") << kItalian << Verdict::Valid << kValid;
    QTest::newRow("Italian in small letters") << kItalian.toLower() << Verdict::Valid << kValid;
    QTest::newRow("blanks around") << u"  "_s + kItalian + u" "_s << Verdict::Valid << kValid;
    QTest::newRow("San Marino, 27 characters")
        << u"SM86U0322509800000000270100"_s << Verdict::Valid << kValid;
    QTest::newRow("French, 27 characters")
        << u"FR1420041010050500013M02606"_s << Verdict::Valid << kValid;
    // 22 characters and five blanks: the blanks count for the length and
    // are dropped for the test.
    QTest::newRow("Irish in groups, 27 with blanks")
        << u"IE29 AIBK 9311 5212 3456 78"_s << Verdict::Valid << kValid;
    QTest::newRow("last two digits swapped")
        << u"IT60X0542811101000000123465"_s << Verdict::Wrong << kWrong;
    QTest::newRow("inner digits swapped")
        << u"IT60X0542811101000000124356"_s << Verdict::Wrong << kWrong;
    QTest::newRow("check digits altered")
        << u"IT61X0542811101000000123456"_s << Verdict::Wrong << kWrong;
    QTest::newRow("hyphen") << u"IT60X054281110100000012345-"_s << Verdict::Wrong << kWrong;
    QTest::newRow("full stop") << u"IT60X0542811101000000123.56"_s << Verdict::Wrong << kWrong;
    QTest::newRow("accented letter")
        << u"ÌT60X0542811101000000123456"_s << Verdict::Wrong << kWrong;
    QTest::newRow("Italian in groups of four")
        << u"IT60 X054 2811 1010 0000 0123 456"_s << Verdict::Unusable << kLengthMessage;
    QTest::newRow("26 characters")
        << u"IT60X054281110100000012345"_s << Verdict::Unusable << kLengthMessage;
    QTest::newRow("with IBAN in front")
        << u"IBANIT60X0542811101000000123456"_s << Verdict::Unusable << kLengthMessage;
    QTest::newRow("empty") << QString() << Verdict::Unusable << kLengthMessage;
  }
  void check() {
    QFETCH(QString, code);
    QFETCH(Verdict, verdict);
    QFETCH(QString, message);
    const CheckReport report = Iban::check(code);
    QCOMPARE(report.verdict, verdict);
    QCOMPARE(report.message, message);
  }

  void passesMod97_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("passes");
    QTest::newRow("Italian") << kItalian << true;
    QTest::newRow("in groups of four") << u"IT60 X054 2811 1010 0000 0123 456"_s << true;
    QTest::newRow("IBAN in front") << u"IBAN IT60 X054 2811 1010 0000 0123 456"_s << true;
    QTest::newRow("iban in front, small letters") << u"iban"_s + kItalian.toLower() << true;
    QTest::newRow("IBAN at the end") << kItalian + u"IBAN"_s << true;
    // Maltese: 31 characters, many letters, several pieces of every length.
    QTest::newRow("Maltese") << u"MT84MALT011000012345MTLCAST001S"_s << true;
    QTest::newRow("Maltese altered") << u"MT84MALT011000012345MTLCAST001T"_s << false;
    QTest::newRow("only the country") << u"IT"_s << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("nothing but IBAN") << u"IBAN"_s << false;
    QTest::newRow("tab inside") << u"IT60X0542811101\t000000123456"_s << false;
    QTest::newRow("non-ASCII digit") << u"IT60X05428111010000001234٥6"_s << false;
  }
  void passesMod97() {
    QFETCH(QString, code);
    QFETCH(bool, passes);
    QCOMPARE(Iban::passesMod97(code), passes);
  }
};

QTEST_GUILESS_MAIN(IbanTest)
#include "tst_iban.moc"
