#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "archive/layouts.h"
#include "archive/tscheda.h"
#include "dialogs/guidetexts.h"
#include "dialogs/tfrmguida.h"
#include "editors/tfrmanagrafica.h"
#include "editortexts.h"
#include "support/classname.h"
#include "support/recordingshell.h"
#include "workspacefixture.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

const QStringList kAttachmentLabels = {u"lblFile01"_s, u"lblFile02"_s, u"lblFile03"_s,
                                       u"lblDesc01"_s, u"lblDesc02"_s, u"lblDesc03"_s};

struct Screen : WorkspaceFixture<TfrmAnagrafica> {
  RecordingShell shell;
  QByteArray archive() { return folder.read(u"Anagrafica.pro"_s); }
};

// What a check screen opened with, read while it is up.
struct OpenedCheck {
  QString screen;
  QString boxName;
  QString value;
};

OpenedCheck pressAndCatchModal(Screen& s, const QString& button) {
  OpenedCheck opened;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    opened.screen = className(dialog);
    if (auto* box = dialog->findChild<QLineEdit*>()) {
      opened.boxName = box->objectName();
      opened.value = box->text();
    }
    dialog->reject();
  });
  s.press(button);
  return opened;
}

}  // namespace

class AddressBookScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void everyFieldHasItsControl() {
    Screen s;
    QCOMPARE(s.window.windowTitle(), u" Velinda - Archivio Anagrafico"_s);
    QCOMPARE(s.focused(), u"txtNome"_s);
    const RecordLayout& layout = addressBookLayout();
    int boxes = 0;
    for (int i = 0; i < layout.fieldCount(); ++i) {
      const QString control = layout.controlName(i);
      if (layout.field(i).kind == FieldKind::Attachment) {
        QVERIFY2(s.label(control) && s.label(control)->isHidden(), qPrintable(control));
        continue;
      }
      QLineEdit* b = s.box(control);
      QVERIFY2(b, qPrintable(control));
      QCOMPARE(b->maxLength(), layout.field(i).capacity);
      QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(control));
      ++boxes;
    }
    QCOMPARE(boxes, 33);
    QCOMPARE(s.box(u"txtCodFisc"_s)->accessibleName(), u"Codice fiscale"_s);
  }

  void enterChain_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    // clang-format off
    QTest::newRow("notes back to the name") << "txtNote" << "txtNome";
    QTest::newRow("e-mail to date of birth") << "txtEmail" << "txtDataNasc";
    QTest::newRow("sex to place of birth") << "txtSesso" << "txtLuogoNasc";
    QTest::newRow("VAT number to IBAN") << "txtPartitaIva" << "txtIban";
    QTest::newRow("last CAP box to town") << "txtCap05" << "txtLocalita";
    QTest::newRow("second province box to telephone") << "txtProv02" << "txtTel";
    QTest::newRow("citizenship to occupation") << "txtCittadinanza" << "txtOccupazione";
    // clang-format on
  }
  void enterChain() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    Screen s;
    QCOMPARE(s.enterFrom(from), to);
  }

  void vatNumberTakesDigitsOnly() {
    Screen s;
    s.focus(u"txtPartitaIva"_s);
    QTest::keyClicks(QApplication::focusWidget(), u"01a2 3-B4.5"_s);
    QCOMPARE(s.box(u"txtPartitaIva"_s)->text(), u"012345"_s);
    // Tab and Shift+Tab leave it and come back, as in any other box.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE_NE(s.focused(), u"txtPartitaIva"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(s.focused(), u"txtPartitaIva"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(s.box(u"txtPartitaIva"_s)->text(), u"01234"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(s.focused(), u"txtIban"_s);
  }

  void typingRules_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("focus");
    // clang-format off
    QTest::newRow("e-mail without leading blanks")
        << "txtEmail" << "  mario@example.it " << "mario@example.it" << "txtEmail";
    QTest::newRow("PEC without leading blanks")
        << "txtPec" << "   studio@pec.it" << "studio@pec.it" << "txtPec";
    QTest::newRow("tax code in capitals")
        << "txtCodFisc" << "rssmra80a01h501u" << "RSSMRA80A01H501U" << "txtCodFisc";
    QTest::newRow("sex in capitals, the focus stays") << "txtSesso" << "f" << "F" << "txtSesso";
    QTest::newRow("province boxes move on")
        << "txtProv01" << "fc" << "F" << "txtTel";
    QTest::newRow("name as typed") << "txtNome" << " Ditta  srl " << " Ditta  srl " << "txtNome";
    // clang-format on
  }
  void typingRules() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, focus);
    Screen s;
    s.focus(box);
    for (QChar c : typed) QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QCOMPARE(s.box(box)->text(), shown);
    QCOMPARE(s.focused(), focus);
  }

  void nameIsTheOnlyMandatoryField() {
    Screen s;
    s.box(u"txtNome"_s)->setText(u"   "_s);
    s.box(u"txtNote"_s)->setText(u"cliente"_s);
    s.focus(u"txtNote"_s);
    s.press(u"cmdSalva"_s);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, RecordingMessages::Form::Warning);
    QCOMPARE(s.messages.last().text, EditorTexts::kMissingName);
    QCOMPARE(s.focused(), u"txtNome"_s);
    QVERIFY(s.archive().isEmpty());

    s.box(u"txtNome"_s)->setText(u"Ditta Rossi"_s);
    s.box(u"txtNote"_s)->clear();
    s.press(u"cmdSalva"_s);
    QCOMPARE(s.messages.last().text, EditorTexts::kAppended);
    QCOMPARE(s.label(u"lblPosizione"_s)->text(), u"1"_s);
    const QByteArray bytes = s.archive();
    QCOMPARE(bytes.size(), 3831);
    TSchedaAnagrafica saved;
    saved.bytes() = bytes;
    QCOMPARE(saved.text(u"Nome"), u"Ditta Rossi"_s);
    const RecordLayout& layout = addressBookLayout();
    for (int i = 1; i < layout.fieldCount(); ++i)
      QVERIFY2(bytes.at(layout.offset(i)) == 0, qPrintable(layout.name(i)));
  }

  void savedCardBytes() {
    Screen s;
    // clang-format off
    const QList<std::pair<QString, QString>> typed = {
        {u"txtNome"_s, u" Città srl "_s},         {u"txtCap05"_s, u"9"_s},
        {u"txtEmail"_s, u"info@citta.it"_s},      {u"txtCodFisc"_s, u"RSSMRA80A01H501U"_s},
        {u"txtPartitaIva"_s, u"01234567890"_s},   {u"txtQuestioni"_s, u"Sollecito"_s},
        {u"txtNote"_s, u"fine"_s}};
    // clang-format on
    for (const auto& [name, text] : typed) s.box(name)->setText(text);
    s.label(u"lblFile02"_s)->setText(u"doc.pdf"_s);
    s.label(u"lblDesc03"_s)->setText(u"copia"_s);
    s.press(u"cmdSalva"_s);
    const QByteArray bytes = s.archive();
    QCOMPARE(bytes.size(), 3831);
    // clang-format off
    QCOMPARE(bytes.mid(0, 10), QByteArray("\x09" "Citt\xE0 srl"));
    QCOMPARE(bytes.mid(521, 2), QByteArray("\x01" "9"));
    QCOMPARE(bytes.mid(679, 14), QByteArray("\x0D" "info@citta.it"));
    // clang-format on
    QCOMPARE(bytes.mid(934, 17), QByteArray("\x10RSSMRA80A01H501U"));
    QCOMPARE(bytes.mid(951, 12), QByteArray("\x0B"
                                            "01234567890"));
    QCOMPARE(bytes.mid(1823, 10), QByteArray("\x09Sollecito"));
    // clang-format off
    QCOMPARE(bytes.mid(2074, 5), QByteArray("\x04" "fine"));
    QCOMPARE(bytes.mid(2576, 8), QByteArray("\x07" "doc.pdf"));
    QCOMPARE(bytes.mid(3580, 6), QByteArray("\x05" "copia"));
    // clang-format on
  }

  void duplicateDropsTheAttachments() {
    Screen s;
    s.box(u"txtNome"_s)->setText(u"Anna Verdi"_s);
    s.box(u"txtLocalita"_s)->setText(u"Forlì"_s);
    for (const QString& name : kAttachmentLabels) s.label(name)->setText(name + u".txt"_s);
    s.press(u"cmdSalva"_s);
    s.focus(u"txtNote"_s);
    s.press(u"cmdDuplica"_s);
    QCOMPARE(s.messages.last().text, EditorTexts::kDuplicated);
    QCOMPARE(s.label(u"lblPosizione"_s)->text(), QString());
    for (const QString& name : kAttachmentLabels) QCOMPARE(s.label(name)->text(), QString());
    QCOMPARE(s.box(u"txtLocalita"_s)->text(), u"Forlì"_s);
    QCOMPARE(s.focused(), u"txtNome"_s);

    s.press(u"cmdSalva"_s);
    QCOMPARE(s.label(u"lblPosizione"_s)->text(), u"2"_s);
    const QByteArray bytes = s.archive();
    QCOMPARE(bytes.size(), 2 * 3831);
    TSchedaAnagrafica original, copy;
    original.bytes() = bytes.left(3831);
    copy.bytes() = bytes.mid(3831);
    QCOMPARE(copy.text(u"Localita"), u"Forlì"_s);
    for (const QString& name : kAttachmentLabels) {
      const QStringView field = QStringView(name).mid(3);
      QCOMPARE(copy.text(field), QString());
      QCOMPARE(original.text(field), name + u".txt"_s);
    }
  }

  void newCardClearsBoxesAndAttachments() {
    Screen s;
    s.box(u"txtPec"_s)->setText(u"a@pec.it"_s);
    s.label(u"lblDesc01"_s)->setText(u"carta"_s);
    s.label(u"lblPosizione"_s)->setText(u"4"_s);
    s.press(u"cmdNuovo"_s);
    QCOMPARE(s.box(u"txtPec"_s)->text(), QString());
    QCOMPARE(s.label(u"lblDesc01"_s)->text(), QString());
    QCOMPARE(s.label(u"lblPosizione"_s)->text(), QString());
    QCOMPARE(s.focused(), u"txtNome"_s);
  }

  void checkButtonsOpenTheirScreen_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("screenBox");
    QTest::addColumn<QString>("value");
    // clang-format off
    QTest::newRow("empty tax code")
        << "btnCodFisc" << "txtCodFisc" << "" << "TfrmCodFisc" << "txtCodFisc" << "";
    QTest::newRow("blank tax code")
        << "btnCodFisc" << "txtCodFisc" << "   " << "TfrmCodFisc" << "txtCodFisc" << "";
    QTest::newRow("personal tax code")
        << "btnCodFisc" << "txtCodFisc" << " RSSMRA80A01H5 " << "TfrmCodFisc"
        << "txtCodFisc" << "RSSMRA80A01H5";
    QTest::newRow("numeric tax code of a firm")
        << "btnCodFisc" << "txtCodFisc" << " 01234567890" << "TfrmPartitaIva"
        << "txtPartitaIva" << "01234567890";
    QTest::newRow("digits with a blank inside")
        << "btnCodFisc" << "txtCodFisc" << "01234 567890" << "TfrmCodFisc" << "txtCodFisc"
        << "01234 567890";
    QTest::newRow("non-ASCII digits")
        << "btnCodFisc" << "txtCodFisc" << "\u0661\u0662\u0663" << "TfrmCodFisc"
        << "txtCodFisc" << "\u0661\u0662\u0663";
    QTest::newRow("VAT number")
        << "btnPartitaIva" << "txtPartitaIva" << "0123456789 " << "TfrmPartitaIva"
        << "txtPartitaIva" << "0123456789";
    QTest::newRow("IBAN") << "btnIban" << "txtIban" << " IT60X054281110100000012345"
                          << "TfrmIban" << "txtIban" << "IT60X054281110100000012345";
    QTest::newRow("card") << "btnCarta" << "txtCarta" << "4111 1111 1111 1111  " << "TfrmCarta"
                          << "txtNumero" << "4111 1111 1111 1111";
    // clang-format on
  }
  void checkButtonsOpenTheirScreen() {
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, screen);
    QFETCH(QString, screenBox);
    QFETCH(QString, value);
    Screen s;
    s.box(box)->setText(text);
    const OpenedCheck opened = pressAndCatchModal(s, button);
    QCOMPARE(opened.screen, screen);
    QCOMPARE(opened.boxName, screenBox);
    QCOMPARE(opened.value, value);
    QCOMPARE(s.box(box)->text(), text);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(s.window.findChildren<QDialog*>().isEmpty());
  }

  void emailButtonStartsAMail_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("target");
    // clang-format off
    QTest::newRow("empty box") << "" << "mailto:";
    QTest::newRow("address") << "  mario.rossi@example.it " << "mailto:mario.rossi@example.it";
    // clang-format on
  }
  void emailButtonStartsAMail() {
    QFETCH(QString, address);
    QFETCH(QString, target);
    Screen s;
    s.box(u"txtEmail"_s)->setText(address);
    s.press(u"btnEmail"_s);
    QCOMPARE(s.shell.opened.size(), 1);
    QCOMPARE(s.shell.opened.first().toString(), target);
    QCOMPARE(s.messages.count(), 0);
  }

  void hints_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    // clang-format off
    QTest::newRow("e-mail") << "btnEmail" << "Invia una e-mail all'indirizzo indicato.";
    QTest::newRow("tax code") << "btnCodFisc" << "Controlla il codice fiscale.";
    QTest::newRow("VAT number") << "btnPartitaIva" << "Controlla il numero di partita IVA.";
    QTest::newRow("IBAN") << "btnIban" << "Controlla l'IBAN.";
    QTest::newRow("card") << "btnCarta" << "Controlla il numero di carta di credito.";
    QTest::newRow("print") << "cmdStampa" << "Stampa la scheda corrente.";
    QTest::newRow("attach") << "cmdFile" << "Allega file alla scheda corrente.";
    // clang-format on
    QTest::newRow("pending matters") << "cmdQuestioni"
                                     << "Visualizza il riepilogo delle questioni in sospeso.";
  }
  void hints() {
    QFETCH(QString, control);
    QFETCH(QString, hint);
    Screen s;
    auto* line = s.label(u"panInfo"_s);
    QTest::mouseMove(s.window.findChild<QWidget*>(control));
    QTRY_COMPARE(line->text(), hint);
    // The person picture and the boxes leave the line alone; the separator
    // bar empties it.
    QTest::mouseMove(s.label(u"imgPersona"_s));
    QTest::mouseMove(s.box(u"txtNote"_s));
    QCOMPARE(line->text(), hint);
    QTest::mouseMove(s.window.findChild<QWidget*>(u"shpSeparatore"_s));
    QTRY_COMPARE(line->text(), QString());
  }

  void guideButtonShowsTheAddressBookGuide() {
    Screen s;
    QString title, text;
    QTimer::singleShot(0, [&] {
      auto* guide = qobject_cast<TfrmGuida*>(QApplication::activeModalWidget());
      QVERIFY(guide);
      title = guide->title();
      text = guide->text();
      guide->close();
    });
    s.press(u"cmdGuida"_s);
    QCOMPARE(title, u"App Archivio Anagrafico"_s);
    QCOMPARE(text, GuideTexts::addressBook());
  }
};

QTEST_MAIN(AddressBookScreenTest)
#include "tst_anagrafica.moc"
