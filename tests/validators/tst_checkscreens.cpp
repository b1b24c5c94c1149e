#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "core/text.h"
#include "support/recordingmessages.h"
#include "validators/tfrmcarta.h"
#include "validators/tfrmcodfisc.h"
#include "validators/tfrmiban.h"
#include "validators/tfrmpartitaiva.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using Form = RecordingMessages::Form;
Q_DECLARE_METATYPE(RecordingMessages::Form)

namespace {

std::unique_ptr<CheckScreen> makeScreen(const QString& name) {
  if (name == u"TfrmCodFisc") return std::make_unique<TfrmCodFisc>();
  if (name == u"TfrmPartitaIva") return std::make_unique<TfrmPartitaIva>();
  if (name == u"TfrmIban") return std::make_unique<TfrmIban>();
  if (name == u"TfrmCarta") return std::make_unique<TfrmCarta>();
  return nullptr;
}

QString boxNameOf(const QString& screen) {
  if (screen == u"TfrmCodFisc") return u"txtCodFisc"_s;
  if (screen == u"TfrmPartitaIva") return u"txtPartitaIva"_s;
  if (screen == u"TfrmIban") return u"txtIban"_s;
  return u"txtNumero"_s;
}

// A screen shown as its caller would, with its box and its two buttons.
struct OpenScreen {
  std::unique_ptr<CheckScreen> screen;
  QLineEdit* box = nullptr;
  QPushButton* controlla = nullptr;
  QPushButton* chiudi = nullptr;

  explicit OpenScreen(const QString& name, const QString& value = {}) : screen(makeScreen(name)) {
    box = screen->findChild<QLineEdit*>(boxNameOf(name));
    controlla = screen->findChild<QPushButton*>(u"btnControlla"_s);
    chiudi = screen->findChild<QPushButton*>(u"btnChiudi"_s);
    if (!value.isEmpty()) screen->setValue(value);
    screen->show();
  }
};

}  // namespace

class CheckScreensTest : public QObject {
  Q_OBJECT
 private slots:
  void shape_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("maxLength");
    QTest::newRow("tax code") << u"TfrmCodFisc"_s << u" Controllo codice fiscale"_s << 16;
    QTest::newRow("VAT number") << u"TfrmPartitaIva"_s << u" Controllo partita IVA"_s << 11;
    QTest::newRow("IBAN") << u"TfrmIban"_s << u" Controllo IBAN"_s << 27;
    QTest::newRow("card") << u"TfrmCarta"_s << u" Controllo carta di credito"_s << 30;
  }
  void shape() {
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(int, maxLength);
    OpenScreen open(screen, u"RSSMRA85T10A562S"_s);
    QVERIFY(open.box && open.controlla && open.chiudi);
    QCOMPARE(open.screen->windowTitle(), caption);
    QVERIFY(open.screen->isModal());
    QCOMPARE(open.box->maxLength(), maxLength);
    QCOMPARE(open.box->font().family(), u"Courier New"_s);
    QCOMPARE(open.box->font().pointSize(), 20);
    QVERIFY(open.box->font().bold());
    QCOMPARE(open.controlla->text(), u"Controlla"_s);
    QCOMPARE(open.chiudi->text(), u"Chiudi"_s);
    QVERIFY(QTest::qWaitForWindowActive(open.screen.get()));
    QVERIFY(open.box->hasFocus());
    QCOMPARE(open.box->text(), u"RSSMRA85T10A562S"_s.left(maxLength));
  }

  void retypeRequestKeepsScreenOpen_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("tax code of 15 characters")
        << u"TfrmCodFisc"_s << u"rssmra85t10a562"_s
        << u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."_s;
    QTest::newRow("VAT number of 10 digits")
        << u"TfrmPartitaIva"_s << u"1234567890"_s
        << u"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."_s;
    QTest::newRow("IBAN of 26 characters")
        << u"TfrmIban"_s << u"IT60X054281110100000012345"_s
        << u"Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."_s;
    QTest::newRow("no card number")
        << u"TfrmCarta"_s << QString()
        << u"Attenzione: immettere il numero di carta di credito prima di premere il "
           "pulsante di controllo."_s;
  }
  void retypeRequestKeepsScreenOpen() {
    QFETCH(QString, screen);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    RecordingMessages messages;
    OpenScreen open(screen);
    QVERIFY(QTest::qWaitForWindowActive(open.screen.get()));
    QTest::keyClicks(open.box, typed);
    QTest::mouseClick(open.controlla, Qt::LeftButton);

    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, Form::Warning);
    QCOMPARE(messages.last().text, message);
    QVERIFY(open.screen->isVisible());
    QVERIFY(open.box->hasFocus());
    QCOMPARE(open.box->text(), Text::upperAscii(typed));
  }

  void verdictClosesScreen_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Form>("form");
    QTest::addColumn<QString>("message");
    QTest::newRow("tax code typed in small letters")
        << u"TfrmCodFisc"_s << QString() << u"rssmra85t10a562s"_s << Form::Information
        << u"Il codice fiscale digitato è VALIDO."_s;
    QTest::newRow("tax code filled in, wrong")
        << u"TfrmCodFisc"_s << u"RSSMRA85T10A562T"_s << QString() << Form::Warning
        << u"Attenzione: il codice fiscale digitato è ERRATO."_s;
    QTest::newRow("VAT number of office 120")
        << u"TfrmPartitaIva"_s << QString() << u"01234561205"_s << Form::Information
        << u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
           "dall'Ufficio IVA del Comune di Bologna 2."_s;
    QTest::newRow("VAT number filled in with a letter")
        << u"TfrmPartitaIva"_s << u"1234567890A"_s << QString() << Form::Warning
        << u"Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è "
           "quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha "
           "rilasciato."_s;
    QTest::newRow("IBAN typed in small letters")
        << u"TfrmIban"_s << QString() << u"it60x0542811101000000123456"_s << Form::Information
        << u"L'IBAN digitato è VALIDO."_s;
    QTest::newRow("card with the last digit changed")
        << u"TfrmCarta"_s << QString() << u"4111111111111112"_s << Form::Warning
        << u"Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
           "fornire informazioni relative al tipo di carta di credito."_s;
    QTest::newRow("card filled in with blanks")
        << u"TfrmCarta"_s << u"4111 1111 1111 1111"_s << QString() << Form::Information
        << u"Il numero di carta di credito 4111 1111 1111 1111 risulta valido.\r\n\r\nLa "
           "carta di credito è del tipo Visa."_s;
    QTest::newRow("card of no known network")
        << u"TfrmCarta"_s << u"3200000000000002"_s << QString() << Form::Information
        << u"Il numero di carta di credito 3200000000000002 supera il controllo della "
           "cifra di verifica.\r\n\r\nNon è però possibile riconoscere il circuito della "
           "carta di credito."_s;
  }
  void verdictClosesScreen() {
    QFETCH(QString, screen);
    QFETCH(QString, value);
    QFETCH(QString, typed);
    QFETCH(Form, form);
    QFETCH(QString, message);
    RecordingMessages messages;
    OpenScreen open(screen, value);
    bool openDuringMessage = false;
    messages.onMessage = [&](const RecordingMessages::Entry&) {
      openDuringMessage = open.screen->isVisible();
    };
    QVERIFY(QTest::qWaitForWindowActive(open.screen.get()));
    QTest::keyClicks(open.box, typed);
    QTest::mouseClick(open.controlla, Qt::LeftButton);

    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, form);
    QCOMPARE(messages.last().text, message);
    QVERIFY(openDuringMessage);
    QVERIFY(!open.screen->isVisible());
    QCOMPARE(open.screen->result(), int(QDialog::Accepted));
  }

  void typingRules_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("tax code in capitals, no blanks")
        << u"TfrmCodFisc"_s << u"rss mra"_s << u"RSSMRA"_s;
    QTest::newRow("IBAN in capitals") << u"TfrmIban"_s << u"it60 x054"_s << u"IT60X054"_s;
    QTest::newRow("VAT number swallows letters and signs")
        << u"TfrmPartitaIva"_s << u"12a3 b-4.5"_s << u"12345"_s;
    QTest::newRow("card swallows letters and signs")
        << u"TfrmCarta"_s << u"41x1 1-1/9"_s << u"411119"_s;
  }
  void typingRules() {
    QFETCH(QString, screen);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    OpenScreen open(screen);
    QVERIFY(QTest::qWaitForWindowActive(open.screen.get()));
    QTest::keyClicks(open.box, typed);
    QCOMPARE(open.box->text(), shown);
  }

  // The keyboard alone: Tab and Shift+Tab leave a digits-only box as any
  // other and keep what it holds, Enter reaches "Controlla", Enter again
  // presses it.
  void enterLeadsToControlla() {
    RecordingMessages messages;
    OpenScreen open(u"TfrmPartitaIva"_s);
    QVERIFY(QTest::qWaitForWindowActive(open.screen.get()));
    QTest::keyClicks(open.box, u"00000011213"_s);
    QTest::keyClick(open.box, Qt::Key_Tab);
    QVERIFY(!open.box->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QVERIFY(open.box->hasFocus());
    QCOMPARE(open.box->text(), u"00000011213"_s);
    QTest::keyClick(open.box, Qt::Key_Return);
    QVERIFY(open.controlla->hasFocus());
    QCOMPARE(messages.count(), 0);
    QTest::keyClick(open.controlla, Qt::Key_Return);

    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.last().text.endsWith(u"del Comune di Napoli 2."_s));
    QVERIFY(!open.screen->isVisible());
  }

  // Esc closes a check screen from its box, digits-only or not, as Chiudi.
  void escapeClosesFromTheBox_data() {
    QTest::addColumn<QString>("screen");
    for (const char* screen : {"TfrmPartitaIva", "TfrmCarta", "TfrmIban", "TfrmCodFisc"})
      QTest::newRow(screen) << QString::fromLatin1(screen);
  }
  void escapeClosesFromTheBox() {
    QFETCH(QString, screen);
    RecordingMessages messages;
    OpenScreen open(screen);
    QVERIFY(QTest::qWaitForWindowActive(open.screen.get()));
    QTest::keyClicks(open.box, u"123"_s);
    QTest::keyClick(open.box, Qt::Key_Escape);
    QVERIFY(!open.screen->isVisible());
    QCOMPARE(messages.count(), 0);
  }

  void chiudiClosesWithoutAWord() {
    RecordingMessages messages;
    OpenScreen open(u"TfrmIban"_s, u"IT60X0542811101000000123456"_s);
    QVERIFY(QTest::qWaitForWindowActive(open.screen.get()));
    QTest::mouseClick(open.chiudi, Qt::LeftButton);
    QCOMPARE(messages.count(), 0);
    QVERIFY(!open.screen->isVisible());
    QCOMPARE(open.screen->result(), int(QDialog::Rejected));
  }
};

QTEST_MAIN(CheckScreensTest)
#include "tst_checkscreens.moc"
