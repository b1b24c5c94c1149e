#include <QTest>

#include "validators/taxcoderouting.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using TaxCodeRouting::Screen;
Q_DECLARE_METATYPE(TaxCodeRouting::Screen)

class TaxCodeRoutingTest : public QObject {
  Q_OBJECT
 private slots:
  void route_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString() << Screen::TaxCode << QString();
    QTest::newRow("only blanks") << u"   "_s << Screen::TaxCode << QString();
    QTest::newRow("personal code")
        << u"RSSMRA85T10A562S"_s << Screen::TaxCode << u"RSSMRA85T10A562S"_s;
    QTest::newRow("firm's numeric code")
        << u"12345678903"_s << Screen::VatNumber << u"12345678903"_s;
    QTest::newRow("numeric, trimmed")
        << u" 12345678903\t"_s << Screen::VatNumber << u"12345678903"_s;
    QTest::newRow("one digit") << u"7"_s << Screen::VatNumber << u"7"_s;
    QTest::newRow("digits with a blank inside") << u"123 456"_s << Screen::TaxCode << u"123 456"_s;
    QTest::newRow("digits with a dash") << u"12345-678"_s << Screen::TaxCode << u"12345-678"_s;
    QTest::newRow("non-ASCII digits") << u"١٢٣"_s << Screen::TaxCode << u"١٢٣"_s;
  }
  void route() {
    QFETCH(QString, box);
    QFETCH(Screen, screen);
    QFETCH(QString, text);
    const TaxCodeRouting::Route route = TaxCodeRouting::route(box);
    QCOMPARE(route.screen, screen);
    QCOMPARE(route.text, text);
  }
};

QTEST_GUILESS_MAIN(TaxCodeRoutingTest)
#include "tst_taxcoderouting.moc"
