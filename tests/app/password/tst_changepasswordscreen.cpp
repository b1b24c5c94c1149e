#include <QSignalSpy>
#include <QTest>

#include "passwordscreens.h"
#include "support/smalldisk.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using Form = RecordingMessages::Form;

namespace {
const QString kChangeFailed = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica "
    "della password. Si consiglia di reinstallare il software.");
}

class ChangePasswordScreenTest : public QObject {
  Q_OBJECT

  // Opens the change screen from the login screen and fills its boxes.
  static void openAndFill(PasswordScreens& s, const QString& old, const QString& fresh,
                          const QString& confirm) {
    QTest::mouseClick(s.button(s.login, "btnCambiaPassword"), Qt::LeftButton);
    PasswordScreens::type(s.box(s.change, "txtPasswordOld"), old);
    PasswordScreens::type(s.box(s.change, "txtPasswordNew"), fresh);
    PasswordScreens::type(s.box(s.change, "txtConferma"), confirm);
  }

  static void pressOk(PasswordScreens& s) {
    QTest::mouseClick(s.button(s.change, "cmdOK"), Qt::LeftButton);
  }

 private slots:
  void opensInPlaceOfTheLoginWithEmptyBoxes() {
    PasswordScreens s;
    openAndFill(s, u"a"_s, u"b"_s, u"c"_s);
    QVERIFY(s.change.isVisible());
    QVERIFY(s.login.isHidden());
    QCOMPARE(s.change.windowTitle(), u" Cambia password"_s);
    QCOMPARE(s.change.minimumSize(), s.change.maximumSize());
    QVERIFY(!(s.change.windowFlags() & Qt::WindowCloseButtonHint));

    QTest::mouseClick(s.button(s.change, "cmdEsci"), Qt::LeftButton);
    QTest::mouseClick(s.button(s.login, "btnCambiaPassword"), Qt::LeftButton);
    for (const char* name : {"txtPasswordOld", "txtPasswordNew", "txtConferma"}) {
      QCOMPARE(s.box(s.change, name)->text(), QString());
      QCOMPARE(s.box(s.change, name)->echoMode(), QLineEdit::Password);
    }
    QCOMPARE(s.change.focusWidget(), s.box(s.change, "txtPasswordOld"));
    QVERIFY(!s.button(s.change, "cmdOK")->isEnabled());
  }

  // Only the program's own showing empties the boxes: a screen restored by
  // the window system keeps what was typed.
  void restoringTheWindowKeepsTheTypedPasswords() {
    PasswordScreens s;
    openAndFill(s, u"a"_s, u"b"_s, u"c"_s);
    s.change.showMinimized();
    QTRY_VERIFY(s.change.isMinimized());
    s.change.showNormal();
    QTRY_VERIFY(!s.change.isMinimized());
    QCOMPARE(s.box(s.change, "txtPasswordOld")->text(), u"a"_s);
    QCOMPARE(s.box(s.change, "txtConferma")->text(), u"c"_s);
    QVERIFY(s.button(s.change, "cmdOK")->isEnabled());
  }

  void closingBringsBackAnEmptyLogin_data() {
    QTest::addColumn<bool>("withChiudi");
    QTest::newRow("Chiudi") << true;
    QTest::newRow("window closed") << false;
  }
  void closingBringsBackAnEmptyLogin() {
    QFETCH(bool, withChiudi);
    PasswordScreens s;
    QSignalSpy loggedIn(&s.login, &TfrmPassword::loginSucceeded);
    const QByteArray before = s.storeBytes();
    PasswordScreens::type(s.txtPassword(), u"girasolebianco"_s);
    openAndFill(s, u"girasolebianco"_s, u"x"_s, u"x"_s);
    if (withChiudi)
      QTest::mouseClick(s.button(s.change, "cmdEsci"), Qt::LeftButton);
    else
      s.change.close();
    QVERIFY(s.change.isHidden());
    QVERIFY(s.login.isVisible());
    QCOMPARE(s.txtPassword()->text(), QString());
    QCOMPARE(s.login.focusWidget(), s.txtPassword());
    QVERIFY(!s.button(s.login, "cmdOK")->isEnabled());
    QCOMPARE(loggedIn.count(), 0);
    QCOMPARE(s.storeBytes(), before);
  }

  void enterWalksRoundTheBoxes() {
    PasswordScreens s;
    const QByteArray before = s.storeBytes();
    openAndFill(s, u"girasolebianco"_s, u"nuova"_s, u"nuova"_s);
    QLineEdit* old = s.box(s.change, "txtPasswordOld");
    QLineEdit* fresh = s.box(s.change, "txtPasswordNew");
    QLineEdit* confirm = s.box(s.change, "txtConferma");
    QTest::keyClick(old, Qt::Key_Return);
    QCOMPARE(s.change.focusWidget(), fresh);
    QTest::keyClick(fresh, Qt::Key_Return);
    QCOMPARE(s.change.focusWidget(), confirm);
    QTest::keyClick(confirm, Qt::Key_Enter);
    QCOMPARE(s.change.focusWidget(), old);
    QCOMPARE(s.messages.count(), 0);
    QVERIFY(s.change.isVisible());
    QCOMPARE(s.storeBytes(), before);
  }

  void okNeedsAllThreeBoxes_data() {
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("all filled") << u"a"_s << u"b"_s << u"c"_s << true;
    QTest::newRow("old empty") << QString() << u"b"_s << u"c"_s << false;
    QTest::newRow("new blanks only") << u"a"_s << u"   "_s << u"c"_s << false;
    QTest::newRow("confirmation empty") << u"a"_s << u"b"_s << QString() << false;
  }
  void okNeedsAllThreeBoxes() {
    QFETCH(QString, old);
    QFETCH(QString, fresh);
    QFETCH(QString, confirm);
    QFETCH(bool, enabled);
    PasswordScreens s;
    openAndFill(s, old, fresh, confirm);
    QCOMPARE(s.button(s.change, "cmdOK")->isEnabled(), enabled);
    // Emptying any box turns it off again.
    if (enabled) {
      QTest::keyClick(s.box(s.change, "txtConferma"), Qt::Key_Backspace);
      QVERIFY(!s.button(s.change, "cmdOK")->isEnabled());
    }
  }

  void successfulChangeReplacesThePassword() {
    PasswordScreens s;
    QSignalSpy loggedIn(&s.login, &TfrmPassword::loginSucceeded);
    openAndFill(s, u" GiraSoleBianco"_s, u" nuova Pw "_s, u"nuova Pw"_s);
    pressOk(s);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Plain);
    QCOMPARE(s.messages.last().text, u"Modifica della password completata con successo."_s);
    QVERIFY(s.change.isHidden());
    QVERIFY(s.login.isVisible());
    QCOMPARE(s.txtPassword()->text(), QString());
    QCOMPARE(s.login.focusWidget(), s.txtPassword());
    QCOMPARE(loggedIn.count(), 0);
    QCOMPARE(PasswordStore::read(), u"NUOVA PW"_s);

    s.typeAndEnter(s.txtPassword(), u"girasolebianco"_s);
    QCOMPARE(s.messages.last().text, u"Attenzione: password errata."_s);
    QCOMPARE(loggedIn.count(), 0);
    s.typeAndEnter(s.txtPassword(), u"NuOvA pW"_s);
    QCOMPARE(loggedIn.count(), 1);
    QCOMPARE(s.messages.count(), 2);
  }

  void refusedChangeKeepsTheStore_data() {
    QTest::addColumn<bool>("withStore");
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QStringList>("emptied");
    const QString wrongOld = u"Attenzione: vecchia password errata."_s;
    const QString notConfirmed =
        u"Attenzione: la nuova password non è stata confermata correttamente. "
        "E' necessario reinserire entrambi i valori."_s;
    const QString unstorable =
        u"Attenzione: la nuova password può contenere soltanto lettere, cifre e "
        "simboli dell'alfabeto latino e al massimo 255 caratteri."_s;
    const QStringList oldOnly{u"txtPasswordOld"_s};
    const QStringList bothNew{u"txtPasswordNew"_s, u"txtConferma"_s};

    QTest::newRow("wrong old password") << true << u"girasole"_s << u"nuova"_s << u"nuova"_s
                                        << wrongOld << u"txtPasswordOld"_s << oldOnly;
    QTest::newRow("missing store") << false << u"girasolebianco"_s << u"nuova"_s << u"nuova"_s
                                   << wrongOld << u"txtPasswordOld"_s << oldOnly;
    QTest::newRow("wrong old checked before confirmation")
        << true << u"girasole"_s << u"nuova"_s << u"altra"_s << wrongOld << u"txtPasswordOld"_s
        << oldOnly;
    QTest::newRow("confirmation differs") << true << u"girasolebianco"_s << u"nuova"_s << u"nuovo"_s
                                          << notConfirmed << u"txtPasswordNew"_s << bothNew;
    QTest::newRow("confirmation in capitals")
        << true << u"girasolebianco"_s << u"nuova"_s << u"NUOVA"_s << notConfirmed
        << u"txtPasswordNew"_s << bothNew;
    QTest::newRow("character beyond Latin-1")
        << true << u"girasolebianco"_s << u"prezzo€"_s << u"prezzo€"_s << unstorable
        << u"txtPasswordNew"_s << bothNew;
    QTest::newRow("256 characters")
        << true << u"girasolebianco"_s << QString(256, u'a') << QString(256, u'a') << unstorable
        << u"txtPasswordNew"_s << bothNew;
  }
  void refusedChangeKeepsTheStore() {
    QFETCH(bool, withStore);
    QFETCH(QString, old);
    QFETCH(QString, fresh);
    QFETCH(QString, confirm);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    QFETCH(QStringList, emptied);
    PasswordScreens s(withStore);
    const QByteArray before = s.storeBytes();
    openAndFill(s, old, fresh, confirm);
    pressOk(s);

    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Plain);
    QCOMPARE(s.messages.last().text, message);
    QVERIFY(s.change.isVisible());
    QCOMPARE(s.change.focusWidget()->objectName(), focused);
    const QList<std::pair<const char*, QString>> typed{
        {"txtPasswordOld", old}, {"txtPasswordNew", fresh}, {"txtConferma", confirm}};
    for (const auto& [name, text] : typed) {
      const QString expected = emptied.contains(QLatin1String(name)) ? QString() : text;
      QCOMPARE(s.box(s.change, name)->text(), expected);
    }
    QCOMPARE(s.storeBytes(), before);
    QCOMPARE(s.folder.exists(PasswordStore::kFileName), withStore);
  }

  void failedWriteKeepsTheOldPassword_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("read-only store") << u"store"_s;
    QTest::newRow("read-only folder") << u"folder"_s;
    QTest::newRow("full disk") << u"disk"_s;
  }
  void failedWriteKeepsTheOldPassword() {
    QFETCH(QString, fault);
    SmallDisk disk;
    if (fault == u"disk"_s && !disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    PasswordScreens s(true, fault == u"disk"_s ? disk.path() : QString());
    const QByteArray before = s.storeBytes();
    if (fault == u"store"_s) s.folder.makeReadOnly(PasswordStore::kFileName);
    if (fault == u"folder"_s) s.folder.makeReadOnly();
    if (fault == u"disk"_s) disk.fill();
    openAndFill(s, u"girasolebianco"_s, u"nuova"_s, u"nuova"_s);
    pressOk(s);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Plain);
    QCOMPARE(s.messages.last().text, kChangeFailed);
    QVERIFY(s.change.isVisible());
    QCOMPARE(s.box(s.change, "txtPasswordNew")->text(), u"nuova"_s);
    QCOMPARE(s.storeBytes(), before);

    QTest::mouseClick(s.button(s.change, "cmdEsci"), Qt::LeftButton);
    QSignalSpy loggedIn(&s.login, &TfrmPassword::loginSucceeded);
    s.typeAndEnter(s.txtPassword(), u"girasolebianco"_s);
    QCOMPARE(loggedIn.count(), 1);
  }

  void unreadableStoreFailsTheChange() {
    PasswordScreens s(false);
    s.folder.write(PasswordStore::kFileName, "[Accesso]\r\nValore=GIRASOLE\r\n");
    openAndFill(s, u"girasolebianco"_s, u"nuova"_s, u"nuova"_s);
    pressOk(s);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().text, kChangeFailed);
    QVERIFY(s.change.isVisible());
    QCOMPARE(s.storeBytes(), QByteArray("[Accesso]\r\nValore=GIRASOLE\r\n"));
  }
};

QTEST_MAIN(ChangePasswordScreenTest)
#include "tst_changepasswordscreen.moc"
