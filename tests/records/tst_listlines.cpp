#include <QTest>

#include "archive/tscheda.h"
#include "core/text.h"
#include "records/listkinds.h"
#include "records/listlines.h"

using ListLines::LineKind;

class ListLinesTest : public QObject {
  Q_OBJECT
 private slots:
  void fittedPadsOrCuts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("fitted");
    QTest::newRow("shorter is padded") << u"Roma"_qs << 6 << u"Roma  "_qs;
    QTest::newRow("exact stays") << u"Roma"_qs << 4 << u"Roma"_qs;
    QTest::newRow("longer is cut") << u"Romagna"_qs << 4 << u"Roma"_qs;
    QTest::newRow("empty is all blanks") << QString() << 3 << u"   "_qs;
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
    r.setText(u"Data", u"01/02/2014"_qs);
    r.setText(u"Mittente", u"Mario Rossi Costruzioni S.p.A. di Roma"_qs);  // 38
    r.setText(u"Destinatario", u"Bianchi"_qs);
    r.setText(u"Contenuto", u"Diffida   ad adempiere "_qs + QString(200, u'x'));

    const QString line = ListLines::lineOf(r, LineKind::Receipt);
    QCOMPARE(line.left(100), u"Data: 01/02/2014  Da: Mario Rossi Costruzioni S.p.A.  "
                             "A: Bianchi                         Contenuto: "_qs);
    QCOMPARE(line.mid(100), u"Diffida   ad adempiere "_qs + QString(200, u'x'));
  }

  void longDateShowsTenCharacters() {
    // A file written by other means can hold more than the box allows.
    TSchedaAccettazione r;
    r.setText(u"Data", u"1 febbraio"_qs);
    QCOMPARE(ListLines::receiptLine(r).mid(6, 10), u"1 febbraio"_qs);
    QCOMPARE(ListLines::receiptLine(r).mid(16, 6), u"  Da: "_qs);
  }

  void cardLineColumnsAndTails_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("tail");
    QTest::newRow("pending matters") << int(LineKind::CardEndingQuestioni)
                                     << u"  Richiamare entro venerdì"_qs;
    QTest::newRow("search and import") << int(LineKind::CardEndingNote)
                                       << u"  Note: Cliente dal 2010"_qs;
  }
  void cardLineColumnsAndTails() {
    QFETCH(int, kind);
    QFETCH(QString, tail);
    TSchedaAnagrafica r;
    r.setText(u"Nome", u"Associazione Culturale Il Girasole"_qs);  // 34
    r.setText(u"CodFisc", u"RSSMRA80A01H501U"_qs);
    r.setText(u"Tel", u"06 1234567 int. 22"_qs);                   // 18
    r.setText(u"Cel", u"333 1234567"_qs);
    r.setText(u"Questioni", u"Richiamare entro venerdì"_qs);
    r.setText(u"Note", u"Cliente dal 2010"_qs);

    const QString line = ListLines::lineOf(r, LineKind(kind));
    QCOMPARE(line.left(94), u"Associazione Culturale Il Gi  CF: RSSMRA80A01H501U  "
                            "Tel. 06 1234567 int.  Cel. 333 1234567    "_qs);
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
    QTest::newRow("CR LF in a column") << receipt << u"Mittente"_qs << u"Studio\r\nNeri"_qs << 22
                                       << u"Studio Neri"_qs + QString(19, u' ') + u"  A: "_qs;
    QTest::newRow("LF in the contents")
        << receipt << u"Contenuto"_qs << u"Diffida\nsecondo avviso"_qs << 100
        << u"Diffida secondo avviso"_qs;
    QTest::newRow("CR and form feed")
        << receipt << u"Contenuto"_qs << u"a\rb\fc"_qs << 100 << u"a b c"_qs;
    QTest::newRow("two breaks, two blanks")
        << receipt << u"Contenuto"_qs << u"a\n\nb"_qs << 100 << u"a  b"_qs;
    QTest::newRow("pending matters")
        << int(LineKind::CardEndingQuestioni) << u"Questioni"_qs << u"Fattura\r\n12"_qs << 94
        << u"  Fattura 12"_qs;
    QTest::newRow("notes") << int(LineKind::CardEndingNote) << u"Note"_qs
                           << u"Cliente\vdal 2010"_qs << 94 << u"  Note: Cliente dal 2010"_qs;
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
    QTest::newRow("Sì") << u"Sì"_qs << false << true;
    QTest::newRow("No") << u"No"_qs << true << true;
    QTest::newRow("empty") << QString() << false << false;
    QTest::newRow("small no") << u"no"_qs << false << true;
    QTest::newRow("NO") << u"NO"_qs << false << true;
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
