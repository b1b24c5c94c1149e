#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "archive/layouts.h"
#include "archive/tarchivio.h"
#include "editors/tfrmanagrafica.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"
#include "widgets/onelineboxes.h"
#include "widgets/typingrules.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

void paste(QLineEdit* box, const QString& text) {
  QApplication::clipboard()->setText(text);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

}  // namespace

// A one-line box takes a pasted text with line breaks as one line.
class OneLineBoxesTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { OneLineBoxes::install(); }

  void pastedLineBreaksBecomeBlanks_data() {
    QTest::addColumn<QString>("rule");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CR LF") << QString() << 0 << u"Via Roma 1\r\nScala B"_s
                           << u"Via Roma 1 Scala B"_s;
    QTest::newRow("LF, CR, and Unicode breaks")
        << QString() << 0 << u"a\nb\rc\u2028d\u2029e\u0085f"_s << u"a b c d e f"_s;
    QTest::newRow("break at the end of a trimmed box")
        << u"trimmed"_s << 0 << u"Rossi\r\n"_s << u"Rossi"_s;
    QTest::newRow("capitals box") << u"upperCase"_s << 0 << u"rossi\nmario"_s << u"ROSSI MARIO"_s;
    // The box cuts what is pasted before the break is turned into a blank.
    QTest::newRow("cut to the box's length")
        << QString() << 9 << u"12345\r\n67890"_s << u"12345 67"_s;
  }
  void pastedLineBreaksBecomeBlanks() {
    QFETCH(QString, rule);
    QFETCH(int, maxLength);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QWidget window;
    auto* box = new QLineEdit(&window);
    if (rule == u"trimmed"_s) TypingRules::trimmed(box);
    if (rule == u"upperCase"_s) TypingRules::upperCase(box);
    if (maxLength > 0) box->setMaxLength(maxLength);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    paste(box, pasted);
    QCOMPARE(box->text(), shown);
  }

  // An assistive tool sets a box's text through the accessibility
  // interface, not by typing: the rule holds all the same, and the card is
  // saved on one line.
  void textSetByAnAssistiveToolIsStoredOnOneLine() {
    TestFolder folder;
    RecordingMessages messages;
    TfrmAnagrafica window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* name = window.findChild<QLineEdit*>(u"txtNome"_s);
    auto* street = window.findChild<QLineEdit*>(u"txtIndirizzo"_s);
    QAccessibleInterface* nameReader = QAccessible::queryAccessibleInterface(name);
    QAccessibleInterface* streetReader = QAccessible::queryAccessibleInterface(street);
    QVERIFY(nameReader && nameReader->editableTextInterface());
    nameReader->editableTextInterface()->insertText(0, u"Rossi\r\nMario"_s);
    streetReader->setText(QAccessible::Value, u"Via Roma 1\nScala B"_s);
    QCOMPARE(name->text(), u"Rossi Mario"_s);
    QCOMPARE(street->text(), u"Via Roma 1 Scala B"_s);
    window.findChild<QToolButton*>(u"cmdSalva"_s)->click();

    TArchivio archive(addressBookArchive());
    archive.Open();
    TSchedaAnagrafica card;
    archive.ReadAt(1, card);
    QCOMPARE(card.text(u"Nome"), u"Rossi Mario"_s);
    QCOMPARE(card.text(u"Indirizzo"), u"Via Roma 1 Scala B"_s);
  }

  // The whole way: pasted into a workspace's box, saved, and never a break
  // in the record.
  void aPastedCardIsStoredOnOneLine() {
    TestFolder folder;
    RecordingMessages messages;
    TfrmAnagrafica window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    paste(window.findChild<QLineEdit*>(u"txtNome"_s), u"Rossi & Figli\r\nsede di Roma"_s);
    window.findChild<QToolButton*>(u"cmdSalva"_s)->click();

    TArchivio archive(addressBookArchive());
    archive.Open();
    QCOMPARE(archive.Count(), 1);
    TSchedaAnagrafica card;
    archive.ReadAt(1, card);
    QCOMPARE(card.text(u"Nome"), u"Rossi & Figli sede di Roma"_s);
  }
};

QTEST_MAIN(OneLineBoxesTest)
#include "tst_onelineboxes.moc"
