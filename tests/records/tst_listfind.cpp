#include <QTest>

#include "records/listfind.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using Outcome = ListFind::Outcome;

class ListFindTest : public QObject {
  Q_OBJECT
 private slots:
  // Each press of "Trova" with the text typed at that moment, and the line
  // chosen after it.
  void pressesChooseLines_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("chosenBefore");
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QList<int>>("chosenAfter");

    const QStringList three{u"Rossi Mario"_s, u"Bianchi"_s, u"GROSSI LUCA"_s};
    QTest::newRow("a new text starts from the top, not from the choice")
        << three << 2 << QStringList{u"ross"_s} << QList<int>{0};
    QTest::newRow("the same text moves on and wraps round")
        << three << -1 << QStringList{u"ross"_s, u"ross"_s, u"ross"_s} << QList<int>{0, 2, 0};
    QTest::newRow("the same text in capitals counts as the same")
        << three << -1 << QStringList{u"ross"_s, u"ROSS"_s} << QList<int>{0, 2};
    QTest::newRow("another text starts again from the top")
        << three << -1 << QStringList{u"ross"_s, u"ross"_s, u"i"_s} << QList<int>{0, 2, 0};
    QTest::newRow("a single match is found again after a full pass")
        << three << -1 << QStringList{u"bianchi"_s, u"bianchi"_s} << QList<int>{1, 1};
    QTest::newRow("no match keeps the choice")
        << three << 1 << QStringList{u"verdi"_s} << QList<int>{1};
    QTest::newRow("no match with nothing chosen chooses the first line")
        << three << -1 << QStringList{u"verdi"_s} << QList<int>{0};
    QTest::newRow("an empty text matches nothing")
        << three << 2 << QStringList{QString()} << QList<int>{2};
    QTest::newRow("blanks are part of the text")
        << three << 1 << QStringList{u"mario "_s, u" luca"_s} << QList<int>{1, 2};
    QTest::newRow("an accented capital does not find its small form")
        << QStringList{u"perché"_s, u"caffè"_s} << 0 << QStringList{u"È"_s, u"è"_s}
        << QList<int>{0, 1};
  }
  void pressesChooseLines() {
    QFETCH(QStringList, lines);
    QFETCH(int, chosenBefore);
    QFETCH(QStringList, presses);
    QFETCH(QList<int>, chosenAfter);
    ListFind find;
    int chosen = chosenBefore;
    QList<int> seen;
    for (const QString& typed : presses) seen << (chosen = find.find(lines, chosen, typed).chosen);
    QCOMPARE(seen, chosenAfter);
  }

  void outcomes() {
    ListFind find;
    const QStringList lines{u"uno"_s, u"due"_s};
    QCOMPARE(find.find(lines, -1, u"DUE"_s).outcome, Outcome::Found);
    QCOMPARE(find.remembered(), u"due"_s);
    QCOMPARE(find.find(lines, 1, u"tre"_s).outcome, Outcome::NotFound);
    QCOMPARE(find.remembered(), u"tre"_s);
  }

  void emptyListChangesNothing() {
    ListFind find;
    find.find({u"uno"_s}, -1, u"uno"_s);
    const ListFind::Result result = find.find(QStringList(), -1, u"altro"_s);
    QCOMPARE(result.outcome, Outcome::EmptyList);
    QCOMPARE(find.remembered(), u"uno"_s);
  }

  void forgetMakesTheNextPressANewSearch() {
    ListFind find;
    const QStringList lines{u"ab"_s, u"ab"_s};
    QCOMPARE(find.find(lines, -1, u"ab"_s).chosen, 0);
    QCOMPARE(find.find(lines, 0, u"ab"_s).chosen, 1);
    find.forget();
    QCOMPARE(find.find(lines, 1, u"ab"_s).chosen, 0);
  }
};

QTEST_GUILESS_MAIN(ListFindTest)
#include "tst_listfind.moc"
