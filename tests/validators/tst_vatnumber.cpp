#include <QSet>
#include <QTest>

#include "validators/vatnumber.h"
#include "verdicts.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using Verdict = CheckReport::Verdict;

namespace {
const QString kLengthMessage =
    u"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."_s;
const QString kWrong =
    u"Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha "
    "rilasciato."_s;

QString validFrom(const QString& office) {
  return u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
         "E' stato rilasciato dall'Ufficio IVA del Comune di "_s +
         office + u'.';
}
}  // namespace

class VatNumberTest : public QObject {
  Q_OBJECT
 private slots:
  void check_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("message");
    QTest::newRow("office 015") << u"07654320154"_s << Verdict::Valid << validFrom(u"Milano 1"_s);
    QTest::newRow("office 101") << u"12345671015"_s << Verdict::Valid << validFrom(u"Bologna 2"_s);
    QTest::newRow("office 120 as 101")
        << u"01234561205"_s << Verdict::Valid << validFrom(u"Bologna 2"_s);
    QTest::newRow("office 121 as 102")
        << u"00000011213"_s << Verdict::Valid << validFrom(u"Napoli 2"_s);
    QTest::newRow("office 000, no name") << u"00000000000"_s << Verdict::Valid << validFrom({});
    QTest::newRow("office 890, no name") << u"12345678903"_s << Verdict::Valid << validFrom({});
    QTest::newRow("office 999, no name") << u"98765439991"_s << Verdict::Valid << validFrom({});
    QTest::newRow("check digit altered") << u"12345678904"_s << Verdict::Wrong << kWrong;
    QTest::newRow("two digits swapped") << u"21345678903"_s << Verdict::Wrong << kWrong;
    QTest::newRow("letter, 11 characters") << u"1234567890A"_s << Verdict::Wrong << kWrong;
    QTest::newRow("blank, 11 characters") << u"1234567 903"_s << Verdict::Wrong << kWrong;
    QTest::newRow("10 digits") << u"1234567890"_s << Verdict::Unusable << kLengthMessage;
    QTest::newRow("12 digits") << u"123456789031"_s << Verdict::Unusable << kLengthMessage;
    QTest::newRow("empty") << QString() << Verdict::Unusable << kLengthMessage;
  }
  void check() {
    QFETCH(QString, number);
    QFETCH(Verdict, verdict);
    QFETCH(QString, message);
    const CheckReport report = VatNumber::check(number);
    QCOMPARE(report.verdict, verdict);
    QCOMPARE(report.message, message);
  }

  void officeName_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("office");
    QTest::newRow("first") << u"001"_s << u"Torino"_s;
    QTest::newRow("accented") << u"040"_s << u"Forlì"_s;
    QTest::newRow("with brackets") << u"096"_s << u"Monza (Milano 2)"_s;
    QTest::newRow("099") << u"099"_s << u"Chiavari (Genova 2)"_s;
    QTest::newRow("100") << u"100"_s << u"Roma 2"_s;
    QTest::newRow("102") << u"102"_s << u"Napoli 2"_s;
    QTest::newRow("120") << u"120"_s << u"Bologna 2"_s;
    QTest::newRow("121") << u"121"_s << u"Napoli 2"_s;
    QTest::newRow("000") << u"000"_s << QString();
    QTest::newRow("103") << u"103"_s << QString();
    QTest::newRow("119") << u"119"_s << QString();
    QTest::newRow("122") << u"122"_s << QString();
    QTest::newRow("999") << u"999"_s << QString();
    QTest::newRow("not three digits") << u"1"_s << QString();
  }
  void officeName() {
    QFETCH(QString, code);
    QFETCH(QString, office);
    QCOMPARE(VatNumber::officeName(code), office);
  }

  // Every code from 001 to 102 names an office, and only 120 and 121 beyond.
  void officeTableCoversItsRanges() {
    QStringList named;
    QSet<QString> names;
    for (int code = 0; code <= 999; ++code) {
      const QString key = QString::number(code).rightJustified(3, u'0');
      const QString name = VatNumber::officeName(key);
      if (!name.isEmpty()) {
        named << key;
        names.insert(name);
      }
    }
    QCOMPARE(named.size(), 104);
    QCOMPARE(named.first(), u"001"_s);
    QCOMPARE(named.at(101), u"102"_s);
    QCOMPARE(named.mid(102), (QStringList{u"120"_s, u"121"_s}));
    QCOMPARE(names.size(), 102);  // two codes repeat earlier offices
  }
};

QTEST_GUILESS_MAIN(VatNumberTest)
#include "tst_vatnumber.moc"
