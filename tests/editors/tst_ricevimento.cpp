#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "archive/layouts.h"
#include "archive/tscheda.h"
#include "dialogs/guidetexts.h"
#include "dialogs/tfrmguida.h"
#include "editors/tfrmricevimento.h"
#include "editortexts.h"
#include "workspacefixture.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

struct Screen : WorkspaceFixture<TfrmRicevimento> {
  void fillMandatory() {
    box(u"txtDestinatario"_s)->setText(u"Mario Rossi"_s);
    box(u"txtMittente"_s)->setText(u"Studio Bianchi"_s);
    box(u"txtContenuto"_s)->setText(u"Diffida"_s);
  }
};

}  // namespace

class ReturnReceiptScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void everyFieldHasItsBoxOrCheckBox() {
    Screen s;
    QCOMPARE(s.window.windowTitle(), u" Velinda - Avvisi Ricevimento"_s);
    QCOMPARE(s.focused(), u"txtDestinatario"_s);
    const RecordLayout& layout = returnReceiptLayout();
    int boxes = 0, checks = 0;
    for (int i = 0; i < layout.fieldCount(); ++i) {
      const QString control = layout.controlName(i);
      if (layout.field(i).kind == FieldKind::Flag) {
        QVERIFY2(s.check(control), qPrintable(control));
        ++checks;
        continue;
      }
      QLineEdit* b = s.box(control);
      QVERIFY2(b, qPrintable(control));
      QCOMPARE(b->maxLength(), layout.field(i).capacity);
      QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(control));
      ++boxes;
    }
    QCOMPARE(boxes, 39);
    QCOMPARE(checks, 4);
    QCOMPARE(s.box(u"txtN05"_s)->accessibleName(), u"Numero etichetta, carattere 5"_s);
    QCOMPARE(s.box(u"txtCapMit03"_s)->accessibleName(), u"CAP mittente, cifra 3"_s);
    QVERIFY(!s.window.findChild<QLabel*>(u"lblFile01"_s));
  }

  void enterLoop_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    // clang-format off
    QTest::newRow("contents up to the label number") << "txtContenuto" << "txtN01";
    QTest::newRow("amount back to the recipient") << "txtEuro" << "txtDestinatario";
    QTest::newRow("recipient province to sender") << "txtProvDes02" << "txtMittente";
    QTest::newRow("sender province to date") << "txtProvMit02" << "txtData";
    QTest::newRow("last number box to amount") << "txtN13" << "txtEuro";
    QTest::newRow("last recipient CAP box to town") << "txtCapDes05" << "txtLocalitaDes";
    QTest::newRow("date to office") << "txtData" << "txtUfficio";
    // clang-format on
  }
  void enterLoop() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    Screen s;
    QCOMPARE(s.enterFrom(from), to);
  }

  void tabVisitsCheckBoxesInItsOwnOrder() {
    Screen s;
    s.focus(u"txtN13"_s);
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << s.focused();
    }
    QCOMPARE(visited, (QStringList{u"chkRaccomandata"_s, u"chkPacco"_s, u"chkAssicurata"_s,
                                   u"txtEuro"_s, u"chkConsegnata"_s}));
    QCOMPARE(s.box(u"txtN13"_s)->text(), QString());
  }

  void numberBoxesTakeOneCapitalEach() {
    Screen s;
    s.focus(u"txtN05"_s);
    QTest::keyClick(QApplication::focusWidget(), 'r');
    QCOMPARE(s.box(u"txtN05"_s)->text(), u"R"_s);
    QCOMPARE(s.focused(), u"txtN06"_s);

    s.focus(u"txtN01"_s);
    s.type(u"rr12345678it"_s);
    QString number;
    for (int n = 1; n <= 13; ++n) number += s.box(u"txtN%1"_s.arg(n, 2, 10, QChar(u'0')))->text();
    QCOMPARE(number, u"RR12345678IT"_s);  // the thirteenth box was never reached
    QCOMPARE(s.focused(), u"txtN13"_s);
    s.type(u"9"_s);
    QCOMPARE(s.box(u"txtN13"_s)->text(), u"9"_s);
    QCOMPARE(s.focused(), u"txtEuro"_s);

    s.focus(u"txtN03"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(s.box(u"txtN03"_s)->text(), QString());
    QCOMPARE(s.focused(), u"txtN03"_s);
  }

  void mandatoryFields_data() {
    QTest::addColumn<QString>("recipient");
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("contents");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("focus");
    QTest::newRow("all empty: recipient first")
        << ""
        << ""
        << "" << EditorTexts::kMissingRecipient << "txtDestinatario";
    QTest::newRow("recipient of blanks")
        // clang-format off
        << "   " << "Studio" << "Diffida" << EditorTexts::kMissingRecipient << "txtDestinatario";
    QTest::newRow("sender missing")
        << "Rossi" << "" << "Diffida" << EditorTexts::kMissingSender << "txtMittente";
    QTest::newRow("contents missing")
        << "Rossi" << "Studio" << " \t" << EditorTexts::kMissingContent << "txtContenuto";
    // clang-format on
  }
  void mandatoryFields() {
    QFETCH(QString, recipient);
    QFETCH(QString, sender);
    QFETCH(QString, contents);
    QFETCH(QString, warning);
    QFETCH(QString, focus);
    Screen s;
    s.box(u"txtDestinatario"_s)->setText(recipient);
    s.box(u"txtMittente"_s)->setText(sender);
    s.box(u"txtContenuto"_s)->setText(contents);
    s.focus(u"txtUfficio"_s);
    s.press(u"cmdSalva"_s);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, RecordingMessages::Form::Warning);
    QCOMPARE(s.messages.last().text, warning);
    QCOMPARE(s.focused(), focus);
    QVERIFY(s.folder.read(u"Avvisi_Ricevimento.pro"_s).isEmpty());
  }

  void savesWithoutADate() {
    Screen s;
    s.fillMandatory();
    s.press(u"cmdSalva"_s);
    QCOMPARE(s.messages.last().form, RecordingMessages::Form::Information);
    QCOMPARE(s.messages.last().text, EditorTexts::kAppended);
    QCOMPARE(s.position()->text(), u"1"_s);
    const QByteArray bytes = s.folder.read(u"Avvisi_Ricevimento.pro"_s);
    QCOMPARE(bytes.size(), 1733);
    QCOMPARE(bytes.at(1338), '\0');  // the date's length byte
  }

  void savedRecordBytesFieldByField() {
    Screen s;
    const QList<std::pair<QString, QString>> typed = {
        {u"txtN01"_s, u"R"_s},          {u"txtN13"_s, u"7"_s},
        {u"txtEuro"_s, u" 150,00 "_s},  {u"txtDestinatario"_s, u"Comune di Forlì"_s},
        {u"txtCapDes05"_s, u"4"_s},     {u"txtMittente"_s, u"Studio Bianchi"_s},
        {u"txtProvMit02"_s, u"C"_s},    {u"txtData"_s, u"09/12/2026"_s},
        {u"txtUfficio"_s, u"Roma 1"_s}, {u"txtContenuto"_s, u"Diffida"_s}};
    for (const auto& [name, text] : typed) s.box(name)->setText(text);
    s.check(u"chkConsegnata"_s)->setChecked(true);
    s.check(u"chkPacco"_s)->setChecked(true);
    s.press(u"cmdSalva"_s);

    const QByteArray bytes = s.folder.read(u"Avvisi_Ricevimento.pro"_s);
    QCOMPARE(bytes.size(), 1733);
    QCOMPARE(bytes.mid(0, 2), QByteArray("\x01R"));
    QCOMPARE(bytes.mid(2, 1), QByteArray("\x00", 1));
    // clang-format off
    QCOMPARE(bytes.mid(24, 2), QByteArray("\x01" "7"));
    QCOMPARE(bytes.mid(26, 7), QByteArray("\x06" "150,00"));
    QCOMPARE(bytes.mid(42, 16), QByteArray("\x0F" "Comune di Forl\xEC"));
    QCOMPARE(bytes.mid(563, 2), QByteArray("\x01" "4"));
    QCOMPARE(bytes.mid(690, 15), QByteArray("\x0EStudio Bianchi"));
    QCOMPARE(bytes.mid(1336, 2), QByteArray("\x01" "C"));
    QCOMPARE(bytes.mid(1338, 11), QByteArray("\x0A" "09/12/2026"));
    QCOMPARE(bytes.mid(1349, 7), QByteArray("\x06" "Roma 1"));
    QCOMPARE(bytes.mid(1470, 8), QByteArray("\x07" "Diffida"));
    // Consegnata, Raccomandata, Pacco, Assicurata.
    QCOMPARE(bytes.mid(1721, 12), QByteArray("\x02S\xEC" "\x02No" "\x02S\xEC" "\x02No"));
    // clang-format on
    // The screen keeps the text as typed.
    QCOMPARE(s.box(u"txtEuro"_s)->text(), u" 150,00 "_s);
  }

  void readingARecordFillsTheScreen() {
    Screen s;
    TSchedaRicevimento record;
    record.setText(u"N02", u"X"_s);
    record.setText(u"Destinatario", u"Anna Verdi"_s);
    record.setText(u"Ufficio", u"Bologna"_s);
    record.setFlag(u"Assicurata", true);
    record.setFlag(u"Consegnata", false);
    s.folder.write(u"Avvisi_Ricevimento.pro"_s, record.bytes());
    s.check(u"chkConsegnata"_s)->setChecked(true);
    s.press(u"cmdUltimo"_s);
    QCOMPARE(s.box(u"txtN02"_s)->text(), u"X"_s);
    QCOMPARE(s.box(u"txtDestinatario"_s)->text(), u"Anna Verdi"_s);
    QCOMPARE(s.box(u"txtUfficio"_s)->text(), u"Bologna"_s);
    QVERIFY(s.check(u"chkAssicurata"_s)->isChecked());
    QVERIFY(!s.check(u"chkConsegnata"_s)->isChecked());
    QCOMPARE(s.position()->text(), u"1"_s);
  }

  void duplicateOfADeliveredRecordStaysDelivered() {
    Screen s;
    s.fillMandatory();
    s.box(u"txtN01"_s)->setText(u"A"_s);
    s.check(u"chkConsegnata"_s)->setChecked(true);
    s.press(u"cmdSalva"_s);
    s.focus(u"txtContenuto"_s);
    s.press(u"cmdDuplica"_s);
    QCOMPARE(s.messages.last().text, EditorTexts::kDuplicated);
    QCOMPARE(s.position()->text(), QString());
    QVERIFY(s.check(u"chkConsegnata"_s)->isChecked());
    QCOMPARE(s.box(u"txtN01"_s)->text(), u"A"_s);
    QCOMPARE(s.focused(), u"txtDestinatario"_s);

    s.press(u"cmdSalva"_s);
    QCOMPARE(s.messages.last().text, EditorTexts::kAppended);
    QCOMPARE(s.position()->text(), u"2"_s);
    const QByteArray bytes = s.folder.read(u"Avvisi_Ricevimento.pro"_s);
    QCOMPARE(bytes.size(), 2 * 1733);
    QCOMPARE(bytes.mid(1733, 1733), bytes.mid(0, 1733));
  }

  void newCardClearsEverything() {
    Screen s;
    s.fillMandatory();
    s.box(u"txtN07"_s)->setText(u"Q"_s);
    s.check(u"chkRaccomandata"_s)->setChecked(true);
    s.position()->setText(u"3"_s);
    s.focus(u"txtEuro"_s);
    s.press(u"cmdNuovo"_s);
    QCOMPARE(s.box(u"txtN07"_s)->text(), QString());
    QCOMPARE(s.box(u"txtContenuto"_s)->text(), QString());
    QVERIFY(!s.check(u"chkRaccomandata"_s)->isChecked());
    QCOMPARE(s.position()->text(), QString());
    QCOMPARE(s.focused(), u"txtDestinatario"_s);
  }

  void senderBlockRestsInBeige() {
    Screen s;
    QCOMPARE(s.colourInside(u"txtCapMit02"_s), QColor(0xF5, 0xF5, 0xDC));
    QCOMPARE(s.colourInside(u"txtLocalitaDes"_s), QColor(0xF0, 0xF8, 0xFF));
    QCOMPARE(s.colourInside(u"txtN03"_s), QColor(0xF0, 0xF8, 0xFF));
    s.focus(u"txtMittente"_s);
    QCOMPARE(s.colourInside(u"txtMittente"_s), QColor(0xFF, 0xFF, 0x00));
  }

  void sheetsLieOneOverTheOther() {
    // Each sheet covers the ones drawn before it and none covers a control.
    Screen s;
    const QImage panel = s.window.panel()->grab().toImage();
    QCOMPARE(panel.pixelColor(20, 400), QColor(0xC8, 0xD6, 0xE3));   // pale blue margin
    QCOMPARE(panel.pixelColor(30, 330), QColor(Qt::white));          // the sheet
    QCOMPARE(panel.pixelColor(785, 176), QColor(0xF0, 0xEF, 0xEE));  // the delivered panel
    QCOMPARE(panel.pixelColor(37, 250), QColor(0x46, 0x82, 0xB4));   // recipient frame
    QCOMPARE(panel.pixelColor(37, 400), QColor(0xA5, 0x2A, 0x2A));   // sender frame
  }

  void dateButtonWritesToday() {
    Screen s;
    s.box(u"txtData"_s)->setText(u"vecchia"_s);
    s.press(u"impData"_s);
    QCOMPARE(s.box(u"txtData"_s)->text(), QDate::currentDate().toString(u"dd/MM/yyyy"_s));
  }

  void hints_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::newRow("delivered")
        << "chkConsegnata"
        << "Spunta questa casella per indicare che la raccomandata è stata consegnata.";
    QTest::newRow("list") << "cmdDaInviare"
                          << "Visualizza il riepilogo delle raccomandate non consegnate.";
    QTest::newRow("print recipient side") << "cmdStampaDes"
                                          // clang-format off
        << "Stampa Avviso Ricevimento (Destinatario).";
    QTest::newRow("print sender side") << "cmdStampaMit" << "Stampa Avviso Ricevimento (Mittente).";
    QTest::newRow("import sender") << "impMittente" << "Importa i dati dall'archivio anagrafico.";
    QTest::newRow("date") << "impData" << "Inserisci la data corrente.";
    // clang-format on
  }
  void hints() {
    QFETCH(QString, control);
    QFETCH(QString, hint);
    Screen s;
    auto* line = s.window.findChild<QLabel*>(u"panInfo"_s);
    QTest::mouseMove(s.window.findChild<QWidget*>(control));
    QTRY_COMPARE(line->text(), hint);
    // The kind-of-item boxes and the text boxes leave the line alone.
    QTest::mouseMove(s.check(u"chkPacco"_s));
    QTest::mouseMove(s.box(u"txtEuro"_s));
    QCOMPARE(line->text(), hint);
    QTest::mouseMove(&s.window, QPoint(2, 2));
    QTRY_COMPARE(line->text(), QString());
  }

  void guideButtonShowsTheReturnReceiptGuide() {
    Screen s;
    QString title, text;
    QTimer::singleShot(0, [&] {
      auto* guide = qobject_cast<TfrmGuida*>(QApplication::activeModalWidget());
      QVERIFY(guide);
      title = guide->title();
      text = guide->text();
      guide->close();
    });
    QTest::keyClick(s.box(u"txtN04"_s), Qt::Key_F1);
    QCOMPARE(title, u"App Avvisi di Ricevimento"_s);
    QCOMPARE(text, GuideTexts::returnReceipt());
    QCOMPARE(s.box(u"txtN04"_s)->text(), QString());
  }
};

QTEST_MAIN(ReturnReceiptScreenTest)
#include "tst_ricevimento.moc"
