#include <QTest>

#include "archive/tscheda.h"
#include "records/listkinds.h"
#include "records/searchfilter.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using SearchFilter::Filter;

class SearchFilterTest : public QObject {
  Q_OBJECT
 private slots:
  void blankness_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("blank");
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("blanks and a tab") << u"  \t "_s << true;
    QTest::newRow("a word in blanks") << u" a "_s << false;
    QTest::newRow("a no-break space is not blank") << u"\u00A0"_s << false;
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
    QTest::newRow("inside a word") << u"ross"_s << u"Grossi"_s << true;
    QTest::newRow("at the start") << u"ross"_s << u"Rossi Mario"_s << true;
    QTest::newRow("year of a date") << u"2014"_s << u"03/11/2014"_s << true;
    QTest::newRow("outer blank kept, found inside") << u"rossi "_s << u"Rossi Mario"_s << true;
    QTest::newRow("outer blank kept, not at the end") << u"rossi "_s << u"Mario Rossi"_s << false;
    QTest::newRow("capitals A-Z fold") << u"MARIO"_s << u"mario"_s << true;
    QTest::newRow("flag sì") << u"sì"_s << u"Sì"_s << true;
    QTest::newRow("flag s") << u"s"_s << u"Sì"_s << true;
    QTest::newRow("flag no") << u"no"_s << u"No"_s << true;
    QTest::newRow("flag no against Sì") << u"no"_s << u"Sì"_s << false;
    QTest::newRow("accented capital SÌ") << u"SÌ"_s << u"Sì"_s << false;
  }
  void matching() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, matches);
    QCOMPARE(SearchFilter::matches(typed, stored), matches);
  }

  // The search tests each record's stored bytes, not its text: it must
  // decide as the texts do, and a typed character the archive cannot hold
  // (its encoder would store "o" for "ő", "?" for "Ж") finds nothing.
  void aRecordIsSelectedAsItsTextMatches_data() {
    matching_data();
    QTest::newRow("accented small letter") << u"forlì"_s << u"FORLì"_s << true;
    QTest::newRow("euro sign") << u"€"_s << u"12 €"_s << true;
    QTest::newRow("not in the code page, close letter") << u"ő"_s << u"o"_s << false;
    QTest::newRow("not in the code page, substitute") << u"Ж"_s << u"?"_s << false;
    QTest::newRow("blanks inside") << u"a  b"_s << u"xa  by"_s << true;
  }
  void aRecordIsSelectedAsItsTextMatches() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, matches);
    TSchedaRicevimento r;
    r.setText(u"Destinatario", stored);
    QCOMPARE(r.text(u"Destinatario"), stored);
    QCOMPARE(SearchFilter::selects(r, {{u"Destinatario"_s, typed}}), matches);
    const SearchFilter::Matcher matcher(r.layout(), {{u"Destinatario"_s, typed}});
    QCOMPARE(matcher.selects(r), matches);
  }

  void everySetFilterMustMatch_data() {
    QTest::addColumn<QString>("recipient");
    QTest::addColumn<QString>("parcel");
    QTest::addColumn<bool>("selected");
    QTest::newRow("all blank") << u"   "_s << QString() << true;
    QTest::newRow("one set, matching") << u"ross"_s << u" "_s << true;
    QTest::newRow("two set, both matching") << u"ross"_s << u"sì"_s << true;
    QTest::newRow("two set, one failing") << u"ross"_s << u"no"_s << false;
  }
  void everySetFilterMustMatch() {
    QFETCH(QString, recipient);
    QFETCH(QString, parcel);
    TSchedaRicevimento r;
    r.setText(u"Destinatario", u"Grossi Anna"_s);
    r.setFlag(u"Pacco", true);
    const QList<Filter> filters{
        {u"Destinatario"_s, recipient}, {u"Pacco"_s, parcel}, {u"Ufficio"_s, QString()}};
    QFETCH(bool, selected);
    QCOMPARE(SearchFilter::selects(r, filters), selected);
  }

  void countsSetFilters() {
    const QList<Filter> filters{{u"A"_s, u" x"_s}, {u"B"_s, u"  "_s}, {u"C"_s, u"y"_s}};
    QCOMPARE(SearchFilter::setCount(filters), 2);
  }

  // Every filter of every search names a field of its archive's records.
  void filterTablesNameRealFields() {
    for (const SearchKind* kind : {&acceptanceSearch(), &returnReceiptSearch(),
                                   &addressBookSearch(), &addressBookImport()}) {
      const RecordLayout& layout = kind->archive().layout;
      for (const FilterBox& f : kind->filters) {
        QVERIFY2(layout.indexOf(QString::fromLatin1(f.field)) >= 0, f.field);
        QCOMPARE(QString::fromLatin1(f.box), u"txt"_s + QString::fromLatin1(f.field));
      }
    }
  }
};

QTEST_GUILESS_MAIN(SearchFilterTest)
#include "tst_searchfilter.moc"
