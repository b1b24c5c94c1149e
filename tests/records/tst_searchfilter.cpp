#include <QTest>

#include "archive/tscheda.h"
#include "records/listkinds.h"
#include "records/searchfilter.h"

using SearchFilter::Filter;

class SearchFilterTest : public QObject {
  Q_OBJECT
 private slots:
  void blankness_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("blank");
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("blanks and a tab") << u"  \t "_qs << true;
    QTest::newRow("a word in blanks") << u" a "_qs << false;
    QTest::newRow("a no-break space is not blank") << u"\u00A0"_qs << false;
  }
  void blankness() {
    QFETCH(QString, typed);
    QFETCH(bool, blank);
    QCOMPARE(SearchFilter::isBlank(typed), blank);
  }

  void matching_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("matches");
    QTest::newRow("inside a word") << u"ross"_qs << u"Grossi"_qs << true;
    QTest::newRow("at the start") << u"ross"_qs << u"Rossi Mario"_qs << true;
    QTest::newRow("year of a date") << u"2014"_qs << u"03/11/2014"_qs << true;
    QTest::newRow("outer blank kept, found inside") << u"rossi "_qs << u"Rossi Mario"_qs << true;
    QTest::newRow("outer blank kept, not at the end") << u"rossi "_qs << u"Mario Rossi"_qs
                                                      << false;
    QTest::newRow("capitals A-Z fold") << u"MARIO"_qs << u"mario"_qs << true;
    QTest::newRow("flag sì") << u"sì"_qs << u"Sì"_qs << true;
    QTest::newRow("flag s") << u"s"_qs << u"Sì"_qs << true;
    QTest::newRow("flag no") << u"no"_qs << u"No"_qs << true;
    QTest::newRow("flag no against Sì") << u"no"_qs << u"Sì"_qs << false;
    QTest::newRow("accented capital SÌ") << u"SÌ"_qs << u"Sì"_qs << false;
  }
  void matching() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, matches);
    QCOMPARE(SearchFilter::matches(typed, stored), matches);
  }

  void everySetFilterMustMatch_data() {
    QTest::addColumn<QString>("recipient");
    QTest::addColumn<QString>("parcel");
    QTest::addColumn<bool>("selected");
    QTest::newRow("all blank") << u"   "_qs << QString() << true;
    QTest::newRow("one set, matching") << u"ross"_qs << u" "_qs << true;
    QTest::newRow("two set, both matching") << u"ross"_qs << u"sì"_qs << true;
    QTest::newRow("two set, one failing") << u"ross"_qs << u"no"_qs << false;
  }
  void everySetFilterMustMatch() {
    QFETCH(QString, recipient);
    QFETCH(QString, parcel);
    TSchedaRicevimento r;
    r.setText(u"Destinatario", u"Grossi Anna"_qs);
    r.setFlag(u"Pacco", true);
    const QList<Filter> filters{{u"Destinatario"_qs, recipient}, {u"Pacco"_qs, parcel},
                                {u"Ufficio"_qs, QString()}};
    QFETCH(bool, selected);
    QCOMPARE(SearchFilter::selects(r, filters), selected);
  }

  void countsSetFilters() {
    const QList<Filter> filters{{u"A"_qs, u" x"_qs}, {u"B"_qs, u"  "_qs}, {u"C"_qs, u"y"_qs}};
    QCOMPARE(SearchFilter::setCount(filters), 2);
  }

  // Every filter of every search names a field of its archive's records.
  void filterTablesNameRealFields() {
    for (const SearchKind* kind : {&acceptanceSearch(), &returnReceiptSearch(),
                                   &addressBookSearch(), &addressBookImport()}) {
      const RecordLayout& layout = kind->archive().layout;
      for (const FilterBox& f : kind->filters) {
        QVERIFY2(layout.indexOf(QString::fromLatin1(f.field)) >= 0, f.field);
        QCOMPARE(QString::fromLatin1(f.box), u"txt"_qs + QString::fromLatin1(f.field));
      }
    }
  }
};

QTEST_GUILESS_MAIN(SearchFilterTest)
#include "tst_searchfilter.moc"
