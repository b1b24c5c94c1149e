#include <QTest>

#include "validators/taxcode.h"
#include "verdicts.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using Verdict = CheckReport::Verdict;

namespace {
const QString kShape =
    u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."_s;
const QString kValid = u"Il codice fiscale digitato è VALIDO."_s;
const QString kWrong = u"Attenzione: il codice fiscale digitato è ERRATO."_s;
}  // namespace

class TaxCodeTest : public QObject {
  Q_OBJECT
 private slots:
  void checkLetter_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QChar>("letter");
    QTest::newRow("Rossi Mario") << u"RSSMRA85T10A562"_s << QChar(u'S');
    QTest::newRow("Bianchi Giovanni") << u"BNCGVN70A01H501"_s << QChar(u'H');
    QTest::newRow("Verdi Luigi") << u"VRDLGU80E15F205"_s << QChar(u'P');
    QTest::newRow("Marini Lucia, born abroad") << u"MRNLCU90B41Z404"_s << QChar(u'D');
    // A digit and the letter sharing its row weigh the same at any position.
    QTest::newRow("8 replaced by I") << u"RSSMRAI5T10A562"_s << QChar(u'S');
    QTest::newRow("all zeros") << u"000000000000000"_s << QChar(u'I');
    QTest::newRow("all Z") << u"ZZZZZZZZZZZZZZZ"_s << QChar(u'V');
  }
  void checkLetter() {
    QFETCH(QString, code);
    QFETCH(QChar, letter);
    QCOMPARE(TaxCode::checkLetter(code), letter);
  }

  void check_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("message");
    QTest::newRow("valid") << u"RSSMRA85T10A562S"_s << Verdict::Valid << kValid;
    QTest::newRow("valid in small letters") << u"rssmra85t10a562s"_s << Verdict::Valid << kValid;
    QTest::newRow("valid, mixed case") << u"BncGvn70A01h501H"_s << Verdict::Valid << kValid;
    QTest::newRow("wrong check letter") << u"RSSMRA85T10A562T"_s << Verdict::Wrong << kWrong;
    QTest::newRow("one character altered") << u"RSSMRA86T10A562S"_s << Verdict::Wrong << kWrong;
    QTest::newRow("last character a digit") << u"RSSMRA85T10A5621"_s << Verdict::Wrong << kWrong;
    QTest::newRow("15 characters") << u"RSSMRA85T10A562"_s << Verdict::Unusable << kShape;
    QTest::newRow("17 characters") << u"RSSMRA85T10A562SS"_s << Verdict::Unusable << kShape;
    QTest::newRow("empty") << QString() << Verdict::Unusable << kShape;
    QTest::newRow("blank inside") << u"RSSMRA85 10A562S"_s << Verdict::Unusable << kShape;
    QTest::newRow("full stop inside") << u"RSSMRA85.10A562S"_s << Verdict::Unusable << kShape;
    QTest::newRow("accented letter") << u"RSSMRÀ85T10A562S"_s << Verdict::Unusable << kShape;
  }
  void check() {
    QFETCH(QString, code);
    QFETCH(Verdict, verdict);
    QFETCH(QString, message);
    const CheckReport report = TaxCode::check(code);
    QCOMPARE(report.verdict, verdict);
    QCOMPARE(report.message, message);
  }
};

QTEST_GUILESS_MAIN(TaxCodeTest)
#include "tst_taxcode.moc"
