#include <QTest>

#include "validators/taxcoderouting.h"

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
    QTest::newRow("only blanks") << u"   "_qs << Screen::TaxCode << QString();
    QTest::newRow("personal code") << u"RSSMRA85T10A562S"_qs << Screen::TaxCode
                                   << u"RSSMRA85T10A562S"_qs;
    QTest::newRow("firm's numeric code") << u"12345678903"_qs << Screen::VatNumber
                                         << u"12345678903"_qs;
    QTest::newRow("numeric, trimmed") << u" 12345678903\t"_qs << Screen::VatNumber
                                      << u"12345678903"_qs;
    QTest::newRow("one digit") << u"7"_qs << Screen::VatNumber << u"7"_qs;
    QTest::newRow("digits with a blank inside") << u"123 456"_qs << Screen::TaxCode
                                                << u"123 456"_qs;
    QTest::newRow("digits with a dash") << u"12345-678"_qs << Screen::TaxCode
                                        << u"12345-678"_qs;
    QTest::newRow("non-ASCII digits") << u"١٢٣"_qs << Screen::TaxCode << u"١٢٣"_qs;
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
