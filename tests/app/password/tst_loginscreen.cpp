#include <QSignalSpy>
#include <QTest>

#include "app/password/passwordcipher.h"
#include "passwordscreens.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using Form = RecordingMessages::Form;

class LoginScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void screenAsDelivered() {
    PasswordScreens s;
    QCOMPARE(s.login.windowTitle(), u" Velinda - Accesso al programma"_s);
    QCOMPARE(s.login.minimumSize(), s.login.maximumSize());
    QVERIFY(!(s.login.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(s.login.windowFlags() & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(s.txtPassword()->echoMode(), QLineEdit::Password);
    QVERIFY(!s.button(s.login, "cmdOK")->isEnabled());
    QCOMPARE(s.login.focusWidget(), s.txtPassword());
  }

  void storedPasswordLogsIn_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("withEnter");
    QTest::newRow("small letters, Enter") << u"girasolebianco"_s << true;
    QTest::newRow("mixed case, OK") << u"GiRaSoLeBiAnCo"_s << false;
    QTest::newRow("blanks around, Enter") << u"   girasoleBIANCO  "_s << true;
  }
  void storedPasswordLogsIn() {
    QFETCH(QString, typed);
    QFETCH(bool, withEnter);
    PasswordScreens s;
    QSignalSpy loggedIn(&s.login, &TfrmPassword::loginSucceeded);
    PasswordScreens::type(s.txtPassword(), typed);
    if (withEnter)
      QTest::keyClick(s.txtPassword(), Qt::Key_Return);
    else
      QTest::mouseClick(s.button(s.login, "cmdOK"), Qt::LeftButton);
    QCOMPARE(loggedIn.count(), 1);
    QVERIFY(s.login.isHidden());
    QCOMPARE(s.messages.count(), 0);
  }

  void deliveredStoreLogsIn() {
    PasswordScreens s(false);
    QFile::copy(QStringLiteral(VELINDA_DELIVERED_STORE),
                s.folder.filePath(PasswordStore::kFileName));
    QSignalSpy loggedIn(&s.login, &TfrmPassword::loginSucceeded);
    s.typeAndEnter(s.txtPassword(), u"girasolebianco"_s);
    QCOMPARE(loggedIn.count(), 1);
  }

  void wrongPasswordIsRefused_data() {
    QTest::addColumn<QString>("stored");  // empty: no store at all
    QTest::addColumn<QString>("typed");
    QTest::newRow("another word") << u"GIRASOLEBIANCO"_s << u"girasole"_s;
    QTest::newRow("blank inside") << u"GIRASOLEBIANCO"_s << u"girasole bianco"_s;
    QTest::newRow("accented letters keep their case") << u"ÈCCO"_s << u"ècco"_s;
    QTest::newRow("missing store") << QString() << u"girasolebianco"_s;
  }
  void wrongPasswordIsRefused() {
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    PasswordScreens s(false);
    if (!stored.isEmpty()) PasswordStore::write(stored);
    QSignalSpy loggedIn(&s.login, &TfrmPassword::loginSucceeded);
    s.typeAndEnter(s.txtPassword(), typed);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Plain);
    QCOMPARE(s.messages.last().text, u"Attenzione: password errata."_s);
    QCOMPARE(loggedIn.count(), 0);
    QVERIFY(s.login.isVisible());
    QCOMPARE(s.txtPassword()->text(), QString());
    QCOMPARE(s.login.focusWidget(), s.txtPassword());
    QVERIFY(!s.button(s.login, "cmdOK")->isEnabled());
  }

  void okFollowsTheTrimmedText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blanks only") << u"    "_s << false;
    QTest::newRow("one letter") << u"a"_s << true;
    QTest::newRow("letter between blanks") << u"  a  "_s << true;
  }
  void okFollowsTheTrimmedText() {
    QFETCH(QString, typed);
    QFETCH(bool, enabled);
    PasswordScreens s;
    QSignalSpy loggedIn(&s.login, &TfrmPassword::loginSucceeded);
    QTest::keyClick(s.txtPassword(), Qt::Key_X);
    QTest::keyClick(s.txtPassword(), Qt::Key_Backspace);
    PasswordScreens::type(s.txtPassword(), typed);
    QCOMPARE(s.button(s.login, "cmdOK")->isEnabled(), enabled);
    QTest::keyClick(s.txtPassword(), Qt::Key_Return);
    // Enter on an empty box does nothing at all; otherwise it is OK.
    QCOMPARE(s.messages.count(), enabled ? 1 : 0);
    QCOMPARE(loggedIn.count(), 0);
    QVERIFY(s.login.isVisible());
  }

  void unreadableStoreLeavesTheScreenAsItIs() {
    PasswordScreens s(false);
    s.folder.write(PasswordStore::kFileName, "[Accesso]\r\nValore=GIRASOLE\r\n");
    QSignalSpy loggedIn(&s.login, &TfrmPassword::loginSucceeded);
    s.typeAndEnter(s.txtPassword(), u"girasolebianco"_s);
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Plain);
    QCOMPARE(s.messages.last().text,
             u"Attenzione: si è verificato un errore durante la procedura di lettura "
             "della password. Si consiglia di reinstallare il software."_s);
    QCOMPARE(loggedIn.count(), 0);
    QVERIFY(s.login.isVisible());
    QCOMPARE(s.txtPassword()->text(), u"girasolebianco"_s);
  }

  void loneTrailingDigitInTheStoreIsIgnored() {
    PasswordScreens s(false);
    s.folder.write(PasswordStore::kFileName,
                   "[Accesso]\r\nValore=" +
                       PasswordCipher::scramble(u"GIRASOLEBIANCO"_s).toLatin1() + "7\r\n");
    QSignalSpy loggedIn(&s.login, &TfrmPassword::loginSucceeded);
    s.typeAndEnter(s.txtPassword(), u"girasolebianco"_s);
    QCOMPARE(loggedIn.count(), 1);
  }

  void esciAsksToEndTheProgram() {
    PasswordScreens s;
    QSignalSpy exit(&s.login, &TfrmPassword::exitRequested);
    QSignalSpy loggedIn(&s.login, &TfrmPassword::loginSucceeded);
    QTest::mouseClick(s.button(s.login, "cmdEsci"), Qt::LeftButton);
    QCOMPARE(exit.count(), 1);
    QCOMPARE(loggedIn.count(), 0);
    QVERIFY(s.login.isHidden());
  }
};

QTEST_MAIN(LoginScreenTest)
#include "tst_loginscreen.moc"
