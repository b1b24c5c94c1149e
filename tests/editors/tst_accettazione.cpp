#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "archive/tscheda.h"
#include "dialogs/guidetexts.h"
#include "dialogs/tfrmguida.h"
#include "editors/editorworkflow.h"
#include "editors/tfrmaccettazione.h"
#include "editortexts.h"
#include "workspacefixture.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

using Screen = WorkspaceFixture<TfrmAccettazione>;

}  // namespace

class AcceptanceScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void showingStartsAnEmptyCardWithTheFocusOnTheRecipient() {
    Screen s;
    QCOMPARE(s.window.windowTitle(), u" Velinda - Ricevute Accettazione"_s);
    QCOMPARE(s.focused(), u"txtDestinatario"_s);
    QCOMPARE(s.window.findChild<QLabel*>(u"panInfo"_s)->text(), EditorTexts::kReady);
    s.box(u"txtMittente"_s)->setText(u"old"_s);
    s.window.close();
    QVERIFY(!s.window.isVisible());
    s.window.show();
    QCOMPARE(s.box(u"txtMittente"_s)->text(), QString());
  }

  void maximumLengthsFollowTheRecord() {
    Screen s;
    const RecordLayout& layout = acceptanceLayout();
    int boxes = 0;
    for (int i = 0; i < layout.fieldCount(); ++i) {
      if (layout.field(i).kind != FieldKind::Text) continue;
      QLineEdit* b = s.box(layout.controlName(i));
      QVERIFY2(b, qPrintable(layout.controlName(i)));
      QCOMPARE(b->maxLength(), layout.field(i).capacity);
      QVERIFY(!b->accessibleName().isEmpty());
      ++boxes;
    }
    QCOMPARE(boxes, 30);
    QCOMPARE(s.box(u"txtCapMit03"_s)->accessibleName(), u"CAP mittente, cifra 3"_s);
  }

  void typingAPostcodeFillsFiveBoxesAndLandsInTheTown() {
    Screen t;
    t.focus(u"txtCapDes01"_s);
    t.type(u"00184"_s);
    const QString digits = t.box(u"txtCapDes01"_s)->text() + t.box(u"txtCapDes02"_s)->text() +
                           t.box(u"txtCapDes03"_s)->text() + t.box(u"txtCapDes04"_s)->text() +
                           t.box(u"txtCapDes05"_s)->text();
    QCOMPARE(digits, u"00184"_s);
    QCOMPARE(t.focused(), u"txtLocalitaDes"_s);
  }

  void oneCharacterBoxes() {
    Screen s;
    // Two small letters in the province boxes become capitals, each in its
    // own box, and the focus lands in the telephone box.
    s.focus(u"txtProvMit01"_s);
    QTest::keyClick(QApplication::focusWidget(), 'm');
    QTest::keyClick(QApplication::focusWidget(), 'i');
    QCOMPARE(s.box(u"txtProvMit01"_s)->text(), u"M"_s);
    QCOMPARE(s.box(u"txtProvMit02"_s)->text(), u"I"_s);
    QCOMPARE(s.focused(), u"txtTelMit"_s);
    // A blank leaves the box empty and moves on.
    s.focus(u"txtCapMit01"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(s.box(u"txtCapMit01"_s)->text(), QString());
    QCOMPARE(s.focused(), u"txtCapMit02"_s);
    // Backspace and Delete empty the box and keep the focus.
    s.box(u"txtCapMit02"_s)->setText(u"5"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(s.box(u"txtCapMit02"_s)->text(), QString());
    QCOMPARE(s.focused(), u"txtCapMit02"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(s.focused(), u"txtCapMit02"_s);
    s.box(u"txtCapMit02"_s)->setText(u"7"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    QCOMPARE(s.box(u"txtCapMit02"_s)->text(), QString());
    // A key typed into a filled box replaces its digit.
    s.box(u"txtCapMit03"_s)->setText(u"9"_s);
    s.focus(u"txtCapMit03"_s);
    QTest::keyClick(QApplication::focusWidget(), '4');
    QCOMPARE(s.box(u"txtCapMit03"_s)->text(), u"4"_s);
    QCOMPARE(s.focused(), u"txtCapMit04"_s);
    // Shift alone does not move on, so a capital typed with it stays here.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Shift);
    QCOMPARE(s.focused(), u"txtCapMit04"_s);
  }

  void enterChainWrapsAndSkipsCheckBoxes_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    // clang-format off
    QTest::newRow("contents wraps to recipient") << "txtContenuto" << "txtDestinatario";
    QTest::newRow("recipient e-mail to sender") << "txtEmailDes" << "txtMittente";
    QTest::newRow("sender e-mail to amount") << "txtEmailMit" << "txtCifre";
    QTest::newRow("amount in words to date") << "txtLettere" << "txtData";
    QTest::newRow("one-character box") << "txtCapDes05" << "txtLocalitaDes";
    QTest::newRow("second province box") << "txtProvDes02" << "txtTelDes";
    // clang-format on
  }
  void enterChainWrapsAndSkipsCheckBoxes() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    Screen s;
    QCOMPARE(s.enterFrom(from), to);
  }

  void emailBoxesNeverKeepBlanksAtTheEnds() {
    Screen s;
    s.focus(u"txtEmailDes"_s);
    QTest::keyClicks(s.box(u"txtEmailDes"_s), u"  a@b.it "_s);
    QCOMPARE(s.box(u"txtEmailDes"_s)->text(), u"a@b.it"_s);
  }

  void dateButtonWritesToday() {
    Screen s;
    s.box(u"txtData"_s)->setText(u"vecchia"_s);
    s.window.findChild<QToolButton*>(u"impData"_s)->click();
    QCOMPARE(s.box(u"txtData"_s)->text(), QDate::currentDate().toString(u"dd/MM/yyyy"_s));
  }

  void focusHighlight() {
    Screen s;
    s.focus(u"txtMittente"_s);
    QCOMPARE(s.colourInside(u"txtMittente"_s), QColor(0xFF, 0xFF, 0x00));
    QCOMPARE(s.colourInside(u"txtNumMit"_s), QColor(0xF0, 0xF8, 0xFF));
  }

  void savedRecordBytesFieldByField() {
    Screen s;
    const QList<std::pair<QString, QString>> typed = {
        // clang-format off
        {u"txtDestinatario"_s, u"  Comune di Forlì "_s}, {u"txtCapDes01"_s, u"4"_s},
        {u"txtProvDes02"_s, u"C"_s},  {u"txtEmailMit"_s, u"a@b.it"_s},
        {u"txtMittente"_s, u"Studio Bianchi"_s}, {u"txtData"_s, u"09/12/2026"_s},
        {u"txtContenuto"_s, u"Diffida"_s}, {u"txtCifre"_s, u"12,50"_s}};
    // clang-format on
    for (const auto& [name, text] : typed) s.box(name)->setText(text);
    s.window.findChild<QCheckBox*>(u"chkContrassegno"_s)->setChecked(true);
    s.window.findChild<QLabel*>(u"lblDesc02"_s)->setText(u"copia"_s);
    s.window.workflow()->save();

    const QByteArray bytes = s.folder.read(u"Ricevute_Accettazione.pro"_s);
    QCOMPARE(bytes.size(), 3520);
    QCOMPARE(bytes.mid(0, 1 + 15), QByteArray("\x0F"
                                              "Comune di Forl\xEC"));
    QCOMPARE(bytes.mid(513, 2), QByteArray("\x01"
                                           "4"));
    QCOMPARE(bytes.mid(515, 1), QByteArray("\x00", 1));
    QCOMPARE(bytes.mid(646, 2), QByteArray("\x01"
                                           "C"));
    QCOMPARE(bytes.mid(800, 15), QByteArray("\x0EStudio Bianchi"));
    // clang-format off
    QCOMPARE(bytes.mid(1479, 7), QByteArray("\x06" "a@b.it"));
    QCOMPARE(bytes.mid(1600, 6), QByteArray("\x05" "12,50"));
    QCOMPARE(bytes.mid(1737, 11), QByteArray("\x0A" "09/12/2026"));
    // clang-format on
    QCOMPARE(bytes.mid(1999, 3), QByteArray("\x02No"));
    QCOMPARE(bytes.mid(2005, 3), QByteArray("\x02S\xEC"));
    QCOMPARE(bytes.mid(3018, 6), QByteArray("\x05"
                                            "copia"));
  }

  void hintsFollowTheMouse() {
    Screen s;
    auto* line = s.window.findChild<QLabel*>(u"panInfo"_s);
    auto* save = s.window.findChild<QToolButton*>(u"cmdSalva"_s);
    QTest::mouseMove(save);
    QTRY_COMPARE(line->text(), u"Salva la scheda corrente in archivio."_s);
    QTest::mouseMove(s.box(u"txtMittente"_s));
    QCOMPARE(line->text(), u"Salva la scheda corrente in archivio."_s);
    QTest::mouseMove(s.window.findChild<QCheckBox*>(u"chkCC"_s));
    QTRY_COMPARE(
        line->text(),
        u"Spunta questa casella per indicare che la modalità di rimessa è con C/C Postale."_s);
    QTest::mouseMove(&s.window, QPoint(2, 2));
    QTRY_COMPARE(line->text(), QString());
  }

  void guideButtonShowsTheAcceptanceGuide() {
    Screen s;
    QString title, text;
    QTimer::singleShot(0, [&] {
      auto* guide = qobject_cast<TfrmGuida*>(QApplication::activeModalWidget());
      QVERIFY(guide);
      title = guide->title();
      text = guide->text();
      guide->close();
    });
    QTest::keyClick(s.box(u"txtDestinatario"_s), Qt::Key_F1);
    QCOMPARE(title, u"App Ricevute di Accettazione"_s);
    QCOMPARE(text, GuideTexts::acceptance());
    QCOMPARE(text.count(u"\r\n\r\n"_s), 7);
    QVERIFY(text.startsWith(u"L'app Ricevute di Accettazione riproduce"_s));
    QVERIFY(text.endsWith(u"in un file di Microsoft Excel."_s));
  }

  void shortcutsRunTheWorkflow() {
    Screen s;
    s.box(u"txtDestinatario"_s)->setText(u"Mario Rossi"_s);
    s.box(u"txtMittente"_s)->setText(u"Studio"_s);
    s.box(u"txtData"_s)->setText(u"09/12/2026"_s);
    s.box(u"txtContenuto"_s)->setText(u"Diffida"_s);
    s.focus(u"txtProvDes01"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(s.messages.last().text, EditorTexts::kAppended);
    // The shortcut key did not reach the one-character box.
    QCOMPARE(s.box(u"txtProvDes01"_s)->text(), QString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(s.box(u"txtDestinatario"_s)->text(), QString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    QCOMPARE(s.box(u"txtDestinatario"_s)->text(), u"Mario Rossi"_s);
    QCOMPARE(s.window.findChild<QLabel*>(u"lblPosizione"_s)->text(), u"1"_s);
  }
};

QTEST_MAIN(AcceptanceScreenTest)
#include "tst_accettazione.moc"
