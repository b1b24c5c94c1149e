#include <QTest>

#include "archive/tscheda.h"
#include "core/text.h"
#include "records/listkinds.h"
#include "records/listlines.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using ListLines::LineKind;

class ListLinesTest : public QObject {
  Q_OBJECT
 private slots:
  void fittedPadsOrCuts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("fitted");
    QTest::newRow("shorter is padded") << u"Roma"_s << 6 << u"Roma  "_s;
    QTest::newRow("exact stays") << u"Roma"_s << 4 << u"Roma"_s;
    QTest::newRow("longer is cut") << u"Romagna"_s << 4 << u"Roma"_s;
    QTest::newRow("empty is all blanks") << QString() << 3 << u"   "_s;
  }
  void fittedPadsOrCuts() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, fitted);
    QCOMPARE(ListLines::fitted(text, width), fitted);
  }

  // The same columns for both receipts; over-long fields are cut to their
  // column, the contents run on untouched.
  void receiptLineColumns_data() {
    QTest::addColumn<bool>("acceptance");
    QTest::newRow("acceptance receipt") << true;
    QTest::newRow("return receipt") << false;
  }
  void receiptLineColumns() {
    QFETCH(bool, acceptance);
    TSchedaAccettazione a;
    TSchedaRicevimento b;
    TScheda& r = acceptance ? static_cast<TScheda&>(a) : b;
    r.setText(u"Data", u"01/02/2014"_s);
    r.setText(u"Mittente", u"Mario Rossi Costruzioni S.p.A. di Roma"_s);  // 38
    r.setText(u"Destinatario", u"Bianchi"_s);
    r.setText(u"Contenuto", u"Diffida   ad adempiere "_s + QString(200, u'x'));

    const QString line = ListLines::lineOf(r, LineKind::Receipt);
    // clang-format off
    QCOMPARE(line.left(100), u"Data: 01/02/2014  Da: Mario Rossi Costruzioni S.p.A.  "
                             "A: Bianchi                         Contenuto: "_s);
    // clang-format on
    QCOMPARE(line.mid(100), u"Diffida   ad adempiere "_s + QString(200, u'x'));
  }

  void longDateShowsTenCharacters() {
    // A file written by other means can hold more than the box allows.
    TSchedaAccettazione r;
    r.setText(u"Data", u"1 febbraio"_s);
    QCOMPARE(ListLines::receiptLine(r).mid(6, 10), u"1 febbraio"_s);
    QCOMPARE(ListLines::receiptLine(r).mid(16, 6), u"  Da: "_s);
  }

  void cardLineColumnsAndTails_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("tail");
    // clang-format off
    QTest::newRow("pending matters") << int(LineKind::CardEndingQuestioni)
                                     << u"  Richiamare entro venerdì"_s;
    QTest::newRow("search and import") << int(LineKind::CardEndingNote)
                                       << u"  Note: Cliente dal 2010"_s;
    // clang-format on
  }
  void cardLineColumnsAndTails() {
    QFETCH(int, kind);
    QFETCH(QString, tail);
    TSchedaAnagrafica r;
    r.setText(u"Nome", u"Associazione Culturale Il Girasole"_s);  // 34
    r.setText(u"CodFisc", u"RSSMRA80A01H501U"_s);
    r.setText(u"Tel", u"06 1234567 int. 22"_s);  // 18
    r.setText(u"Cel", u"333 1234567"_s);
    r.setText(u"Questioni", u"Richiamare entro venerdì"_s);
    r.setText(u"Note", u"Cliente dal 2010"_s);

    const QString line = ListLines::lineOf(r, LineKind(kind));
    // clang-format off
    QCOMPARE(line.left(94), u"Associazione Culturale Il Gi  CF: RSSMRA80A01H501U  "
                            "Tel. 06 1234567 int.  Cel. 333 1234567    "_s);
    // clang-format on
    QCOMPARE(line.mid(94), tail);
  }

  // Older or foreign archives can hold line breaks inside a field: the
  // record still gives one line, its columns where they belong, each break
  // one blank.
  void lineBreaksInAFieldBecomeBlanks_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("shown");
    const int receipt = int(LineKind::Receipt);
    QTest::newRow("CR LF in a column") << receipt << u"Mittente"_s << u"Studio\r\nNeri"_s << 22
                                       << u"Studio Neri"_s + QString(19, u' ') + u"  A: "_s;
    QTest::newRow("LF in the contents") << receipt << u"Contenuto"_s << u"Diffida\nsecondo avviso"_s
                                        << 100 << u"Diffida secondo avviso"_s;
    QTest::newRow("CR and form feed")
        << receipt << u"Contenuto"_s << u"a\rb\fc"_s << 100 << u"a b c"_s;
    QTest::newRow("two breaks, two blanks")
        << receipt << u"Contenuto"_s << u"a\n\nb"_s << 100 << u"a  b"_s;
    // clang-format off
    QTest::newRow("pending matters")
        << int(LineKind::CardEndingQuestioni) << u"Questioni"_s << u"Fattura\r\n12"_s << 94
        << u"  Fattura 12"_s;
    QTest::newRow("notes") << int(LineKind::CardEndingNote) << u"Note"_s
                           << u"Cliente\vdal 2010"_s << 94 << u"  Note: Cliente dal 2010"_s;
    // clang-format on
  }
  void lineBreaksInAFieldBecomeBlanks() {
    QFETCH(int, kind);
    QFETCH(QString, field);
    QFETCH(QString, stored);
    QFETCH(int, from);
    QFETCH(QString, shown);
    TSchedaAccettazione receipt;
    TSchedaAnagrafica card;
    TScheda& r = LineKind(kind) == LineKind::Receipt ? static_cast<TScheda&>(receipt) : card;
    r.setText(field, stored);
    QCOMPARE(r.text(field), stored);  // the break is in the record

    const QString line = ListLines::lineOf(r, LineKind(kind));
    QCOMPARE(line.mid(from, shown.size()), shown);
    QCOMPARE(Text::oneLine(line), line);
  }

  void statusConditions_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("unsentListed");
    QTest::addColumn<bool>("pendingListed");
    QTest::newRow("Sì") << u"Sì"_s << false << true;
    QTest::newRow("No") << u"No"_s << true << true;
    QTest::newRow("empty") << QString() << false << false;
    QTest::newRow("small no") << u"no"_s << false << true;
    QTest::newRow("NO") << u"NO"_s << false << true;
  }
  void statusConditions() {
    QFETCH(QString, stored);
    QFETCH(bool, unsentListed);
    QFETCH(bool, pendingListed);
    TSchedaAccettazione receipt;
    receipt.setText(u"Inviata", stored);
    QCOMPARE(unsentList().condition.holdsFor(receipt), unsentListed);
    TSchedaRicevimento returned;
    returned.setText(u"Consegnata", stored);
    QCOMPARE(undeliveredList().condition.holdsFor(returned), unsentListed);
    TSchedaAnagrafica card;
    card.setText(u"Questioni", stored);
    QCOMPARE(pendingMattersList().condition.holdsFor(card), pendingListed);
  }

  void blankQuestioniIsNotPending() {
    // Written by other means: the length byte counts blanks and a tab.
    TSchedaAnagrafica card;
    const int offset = addressBookLayout().offset(addressBookLayout().indexOf(u"Questioni"));
    card.bytes()[offset] = 3;
    card.bytes()[offset + 1] = ' ';
    card.bytes()[offset + 2] = '\t';
    card.bytes()[offset + 3] = ' ';
    QVERIFY(!pendingMattersList().condition.holdsFor(card));
  }
};

QTEST_GUILESS_MAIN(ListLinesTest)
#include "tst_listlines.moc"
