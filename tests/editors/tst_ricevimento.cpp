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

namespace {

struct Screen : WorkspaceFixture<TfrmRicevimento> {
  void fillMandatory() {
    box(u"txtDestinatario"_qs)->setText(u"Mario Rossi"_qs);
    box(u"txtMittente"_qs)->setText(u"Studio Bianchi"_qs);
    box(u"txtContenuto"_qs)->setText(u"Diffida"_qs);
  }
};

}  // namespace

class ReturnReceiptScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void everyFieldHasItsBoxOrCheckBox() {
    Screen s;
    QCOMPARE(s.window.windowTitle(), u" Velinda - Avvisi Ricevimento"_qs);
    QCOMPARE(s.focused(), u"txtDestinatario"_qs);
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
    QCOMPARE(s.box(u"txtN05"_qs)->accessibleName(), u"Numero etichetta, carattere 5"_qs);
    QCOMPARE(s.box(u"txtCapMit03"_qs)->accessibleName(), u"CAP mittente, cifra 3"_qs);
    QVERIFY(!s.window.findChild<QLabel*>(u"lblFile01"_qs));
  }

  void enterLoop_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("contents up to the label number") << "txtContenuto" << "txtN01";
    QTest::newRow("amount back to the recipient") << "txtEuro" << "txtDestinatario";
    QTest::newRow("recipient province to sender") << "txtProvDes02" << "txtMittente";
    QTest::newRow("sender province to date") << "txtProvMit02" << "txtData";
    QTest::newRow("last number box to amount") << "txtN13" << "txtEuro";
    QTest::newRow("last recipient CAP box to town") << "txtCapDes05" << "txtLocalitaDes";
    QTest::newRow("date to office") << "txtData" << "txtUfficio";
  }
  void enterLoop() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    Screen s;
    QCOMPARE(s.enterFrom(from), to);
  }

  void tabVisitsCheckBoxesInItsOwnOrder() {
    Screen s;
    s.focus(u"txtN13"_qs);
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << s.focused();
    }
    QCOMPARE(visited, (QStringList{u"chkRaccomandata"_qs, u"chkPacco"_qs, u"chkAssicurata"_qs,
                                   u"txtEuro"_qs, u"chkConsegnata"_qs}));
    QCOMPARE(s.box(u"txtN13"_qs)->text(), QString());
  }

  void numberBoxesTakeOneCapitalEach() {
    Screen s;
    s.focus(u"txtN05"_qs);
    QTest::keyClick(QApplication::focusWidget(), 'r');
    QCOMPARE(s.box(u"txtN05"_qs)->text(), u"R"_qs);
    QCOMPARE(s.focused(), u"txtN06"_qs);

    s.focus(u"txtN01"_qs);
    s.type(u"rr12345678it"_qs);
    QString number;
    for (int n = 1; n <= 13; ++n) number += s.box(u"txtN%1"_qs.arg(n, 2, 10, QChar(u'0')))->text();
    QCOMPARE(number, u"RR12345678IT"_qs);  // the thirteenth box was never reached
    QCOMPARE(s.focused(), u"txtN13"_qs);
    s.type(u"9"_qs);
    QCOMPARE(s.box(u"txtN13"_qs)->text(), u"9"_qs);
    QCOMPARE(s.focused(), u"txtEuro"_qs);

    s.focus(u"txtN03"_qs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(s.box(u"txtN03"_qs)->text(), QString());
    QCOMPARE(s.focused(), u"txtN03"_qs);
  }

  void mandatoryFields_data() {
    QTest::addColumn<QString>("recipient");
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("contents");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("focus");
    QTest::newRow("all empty: recipient first")
        << "" << "" << "" << EditorTexts::kMissingRecipient << "txtDestinatario";
    QTest::newRow("recipient of blanks")
        << "   " << "Studio" << "Diffida" << EditorTexts::kMissingRecipient << "txtDestinatario";
    QTest::newRow("sender missing")
        << "Rossi" << "" << "Diffida" << EditorTexts::kMissingSender << "txtMittente";
    QTest::newRow("contents missing")
        << "Rossi" << "Studio" << " \t" << EditorTexts::kMissingContent << "txtContenuto";
  }
  void mandatoryFields() {
    QFETCH(QString, recipient);
    QFETCH(QString, sender);
    QFETCH(QString, contents);
    QFETCH(QString, warning);
    QFETCH(QString, focus);
    Screen s;
    s.box(u"txtDestinatario"_qs)->setText(recipient);
    s.box(u"txtMittente"_qs)->setText(sender);
    s.box(u"txtContenuto"_qs)->setText(contents);
    s.focus(u"txtUfficio"_qs);
    s.press(u"cmdSalva"_qs);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, RecordingMessages::Form::Warning);
    QCOMPARE(s.messages.last().text, warning);
    QCOMPARE(s.focused(), focus);
    QVERIFY(s.folder.read(u"Avvisi_Ricevimento.pro"_qs).isEmpty());
  }

  void savesWithoutADate() {
    Screen s;
    s.fillMandatory();
    s.press(u"cmdSalva"_qs);
    QCOMPARE(s.messages.last().form, RecordingMessages::Form::Information);
    QCOMPARE(s.messages.last().text, EditorTexts::kAppended);
    QCOMPARE(s.position()->text(), u"1"_qs);
    const QByteArray bytes = s.folder.read(u"Avvisi_Ricevimento.pro"_qs);
    QCOMPARE(bytes.size(), 1733);
    QCOMPARE(bytes.at(1338), '\0');  // the date's length byte
  }

  void savedRecordBytesFieldByField() {
    Screen s;
    const QList<std::pair<QString, QString>> typed = {
        {u"txtN01"_qs, u"R"_qs},          {u"txtN13"_qs, u"7"_qs},
        {u"txtEuro"_qs, u" 150,00 "_qs},  {u"txtDestinatario"_qs, u"Comune di Forlì"_qs},
        {u"txtCapDes05"_qs, u"4"_qs},     {u"txtMittente"_qs, u"Studio Bianchi"_qs},
        {u"txtProvMit02"_qs, u"C"_qs},    {u"txtData"_qs, u"09/12/2026"_qs},
        {u"txtUfficio"_qs, u"Roma 1"_qs}, {u"txtContenuto"_qs, u"Diffida"_qs}};
    for (const auto& [name, text] : typed) s.box(name)->setText(text);
    s.check(u"chkConsegnata"_qs)->setChecked(true);
    s.check(u"chkPacco"_qs)->setChecked(true);
    s.press(u"cmdSalva"_qs);

    const QByteArray bytes = s.folder.read(u"Avvisi_Ricevimento.pro"_qs);
    QCOMPARE(bytes.size(), 1733);
    QCOMPARE(bytes.mid(0, 2), QByteArray("\x01R"));
    QCOMPARE(bytes.mid(2, 1), QByteArray("\x00", 1));
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
    // The screen keeps the text as typed.
    QCOMPARE(s.box(u"txtEuro"_qs)->text(), u" 150,00 "_qs);
  }

  void readingARecordFillsTheScreen() {
    Screen s;
    TSchedaRicevimento record;
    record.setText(u"N02", u"X"_qs);
    record.setText(u"Destinatario", u"Anna Verdi"_qs);
    record.setText(u"Ufficio", u"Bologna"_qs);
    record.setFlag(u"Assicurata", true);
    record.setFlag(u"Consegnata", false);
    s.folder.write(u"Avvisi_Ricevimento.pro"_qs, record.bytes());
    s.check(u"chkConsegnata"_qs)->setChecked(true);
    s.press(u"cmdUltimo"_qs);
    QCOMPARE(s.box(u"txtN02"_qs)->text(), u"X"_qs);
    QCOMPARE(s.box(u"txtDestinatario"_qs)->text(), u"Anna Verdi"_qs);
    QCOMPARE(s.box(u"txtUfficio"_qs)->text(), u"Bologna"_qs);
    QVERIFY(s.check(u"chkAssicurata"_qs)->isChecked());
    QVERIFY(!s.check(u"chkConsegnata"_qs)->isChecked());
    QCOMPARE(s.position()->text(), u"1"_qs);
  }

  void duplicateOfADeliveredRecordStaysDelivered() {
    Screen s;
    s.fillMandatory();
    s.box(u"txtN01"_qs)->setText(u"A"_qs);
    s.check(u"chkConsegnata"_qs)->setChecked(true);
    s.press(u"cmdSalva"_qs);
    s.focus(u"txtContenuto"_qs);
    s.press(u"cmdDuplica"_qs);
    QCOMPARE(s.messages.last().text, EditorTexts::kDuplicated);
    QCOMPARE(s.position()->text(), QString());
    QVERIFY(s.check(u"chkConsegnata"_qs)->isChecked());
    QCOMPARE(s.box(u"txtN01"_qs)->text(), u"A"_qs);
    QCOMPARE(s.focused(), u"txtDestinatario"_qs);

    s.press(u"cmdSalva"_qs);
    QCOMPARE(s.messages.last().text, EditorTexts::kAppended);
    QCOMPARE(s.position()->text(), u"2"_qs);
    const QByteArray bytes = s.folder.read(u"Avvisi_Ricevimento.pro"_qs);
    QCOMPARE(bytes.size(), 2 * 1733);
    QCOMPARE(bytes.mid(1733, 1733), bytes.mid(0, 1733));
  }

  void newCardClearsEverything() {
    Screen s;
    s.fillMandatory();
    s.box(u"txtN07"_qs)->setText(u"Q"_qs);
    s.check(u"chkRaccomandata"_qs)->setChecked(true);
    s.position()->setText(u"3"_qs);
    s.focus(u"txtEuro"_qs);
    s.press(u"cmdNuovo"_qs);
    QCOMPARE(s.box(u"txtN07"_qs)->text(), QString());
    QCOMPARE(s.box(u"txtContenuto"_qs)->text(), QString());
    QVERIFY(!s.check(u"chkRaccomandata"_qs)->isChecked());
    QCOMPARE(s.position()->text(), QString());
    QCOMPARE(s.focused(), u"txtDestinatario"_qs);
  }

  void senderBlockRestsInBeige() {
    Screen s;
    QCOMPARE(s.colourInside(u"txtCapMit02"_qs), QColor(0xF5, 0xF5, 0xDC));
    QCOMPARE(s.colourInside(u"txtLocalitaDes"_qs), QColor(0xF0, 0xF8, 0xFF));
    QCOMPARE(s.colourInside(u"txtN03"_qs), QColor(0xF0, 0xF8, 0xFF));
    s.focus(u"txtMittente"_qs);
    QCOMPARE(s.colourInside(u"txtMittente"_qs), QColor(0xFF, 0xFF, 0x00));
  }

  void sheetsLieOneOverTheOther() {
    // Each sheet covers the ones drawn before it and none covers a control.
    Screen s;
    const QImage panel = s.window.panel()->grab().toImage();
    QCOMPARE(panel.pixelColor(20, 400), QColor(0xC8, 0xD6, 0xE3));  // pale blue margin
    QCOMPARE(panel.pixelColor(30, 330), QColor(Qt::white));          // the sheet
    QCOMPARE(panel.pixelColor(785, 176), QColor(0xF0, 0xEF, 0xEE));  // the delivered panel
    QCOMPARE(panel.pixelColor(37, 250), QColor(0x46, 0x82, 0xB4));   // recipient frame
    QCOMPARE(panel.pixelColor(37, 400), QColor(0xA5, 0x2A, 0x2A));   // sender frame
  }

  void dateButtonWritesToday() {
    Screen s;
    s.box(u"txtData"_qs)->setText(u"vecchia"_qs);
    s.press(u"impData"_qs);
    QCOMPARE(s.box(u"txtData"_qs)->text(), QDate::currentDate().toString(u"dd/MM/yyyy"_qs));
  }

  void hints_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::newRow("delivered") << "chkConsegnata"
        << "Spunta questa casella per indicare che la raccomandata è stata consegnata.";
    QTest::newRow("list") << "cmdDaInviare"
        << "Visualizza il riepilogo delle raccomandate non consegnate.";
    QTest::newRow("print recipient side") << "cmdStampaDes"
        << "Stampa Avviso Ricevimento (Destinatario).";
    QTest::newRow("print sender side") << "cmdStampaMit" << "Stampa Avviso Ricevimento (Mittente).";
    QTest::newRow("import sender") << "impMittente" << "Importa i dati dall'archivio anagrafico.";
    QTest::newRow("date") << "impData" << "Inserisci la data corrente.";
  }
  void hints() {
    QFETCH(QString, control);
    QFETCH(QString, hint);
    Screen s;
    auto* line = s.window.findChild<QLabel*>(u"panInfo"_qs);
    QTest::mouseMove(s.window.findChild<QWidget*>(control));
    QTRY_COMPARE(line->text(), hint);
    // The kind-of-item boxes and the text boxes leave the line alone.
    QTest::mouseMove(s.check(u"chkPacco"_qs));
    QTest::mouseMove(s.box(u"txtEuro"_qs));
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
    QTest::keyClick(s.box(u"txtN04"_qs), Qt::Key_F1);
    QCOMPARE(title, u"App Avvisi di Ricevimento"_qs);
    QCOMPARE(text, GuideTexts::returnReceipt());
    QCOMPARE(s.box(u"txtN04"_qs)->text(), QString());
  }
};

QTEST_MAIN(ReturnReceiptScreenTest)
#include "tst_ricevimento.moc"
