#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "app/password/passwordcipher.h"
#include "app/password/passwordstore.h"
#include "core/inifile.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

class PasswordStoreTest : public QObject {
  Q_OBJECT
 private slots:
  void missingPartsReadEmpty_data() {
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no file") << false << QByteArray();
    QTest::newRow("empty file") << true << QByteArray();
    QTest::newRow("other section") << true << QByteArray("[Altro]\r\nValore=64\r\n");
    QTest::newRow("no key") << true << QByteArray("[Accesso]\r\nAltro=64\r\n");
    QTest::newRow("empty value") << true << QByteArray("[Accesso]\r\nValore=\r\n");
  }
  void missingPartsReadEmpty() {
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, content);
    TestFolder folder;
    if (fileExists) folder.write(PasswordStore::kFileName, content);
    QCOMPARE(PasswordStore::read(), QString());
  }

  void writtenPasswordReadsBack() {
    TestFolder folder;
    PasswordStore::write(u"NUOVA PAROLA È"_s);
    QCOMPARE(PasswordStore::read(), u"NUOVA PAROLA È"_s);
    QCOMPARE(
        folder.read(PasswordStore::kFileName),
        "[Accesso]\r\nValore=" + PasswordCipher::scramble(u"NUOVA PAROLA È"_s).toLatin1() + "\r\n");
  }

  void writeReplacesOnlyTheValue() {
    TestFolder folder;
    folder.write(PasswordStore::kFileName,
                 "; delivered\r\n[accesso]\r\nvalore=64\r\nAltro=1\r\n\r\n[Z]\r\nk=v\r\n");
    PasswordStore::write(u"AB"_s);
    QCOMPARE(folder.read(PasswordStore::kFileName),
             QByteArray("; delivered\r\n[accesso]\r\nvalore=64F4\r\nAltro=1\r\n\r\n"
                        "[Z]\r\nk=v\r\n"));
  }

  void storedPasswordIsTrimmed() {
    TestFolder folder;
    // clang-format off
    folder.write(PasswordStore::kFileName,
                 "[Accesso]\r\nValore=" +
                     PasswordCipher::scramble(u"  ABC \u0001"_s).toLatin1() + "\r\n");
    // clang-format on
    QCOMPARE(PasswordStore::read(), u"ABC"_s);
  }

  void nonHexValueIsAnError() {
    TestFolder folder;
    folder.write(PasswordStore::kFileName, "[Accesso]\r\nValore=GIRASOLE\r\n");
    QVERIFY_THROWS_EXCEPTION(PasswordFormatError, PasswordStore::read());
  }

  void failedWriteKeepsThePreviousPassword_data() {
    QTest::addColumn<QString>("readOnly");
    QTest::newRow("read-only store") << PasswordStore::kFileName;
    QTest::newRow("read-only folder") << QString();
  }
  void failedWriteKeepsThePreviousPassword() {
    QFETCH(QString, readOnly);
    TestFolder folder;
    PasswordStore::write(u"GIRASOLEBIANCO"_s);
    if (!folder.makeReadOnly(readOnly)) QSKIP(TestFolder::kCannotMakeReadOnly);
    QVERIFY_THROWS_EXCEPTION(IniWriteError, PasswordStore::write(u"NUOVA"_s));
    QCOMPARE(PasswordStore::read(), u"GIRASOLEBIANCO"_s);
  }

  void prepare_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("prepared");
    QTest::newRow("small letters") << u"girasolebianco"_s << u"GIRASOLEBIANCO"_s;
    QTest::newRow("blanks and controls around") << u" \tGira Sole\r\n "_s << u"GIRA SOLE"_s;
    QTest::newRow("accented letters keep their case") << u"èÈàß"_s << u"èÈàß"_s;
    QTest::newRow("digits and symbols") << u"a1-b2"_s << u"A1-B2"_s;
  }
  void prepare() {
    QFETCH(QString, typed);
    QFETCH(QString, prepared);
    QCOMPARE(PasswordStore::prepare(typed), prepared);
  }

  void canHold_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("storable");
    QTest::newRow("letters") << u"GIRASOLEBIANCO"_s << true;
    QTest::newRow("Latin-1 letters") << u"ÈÿÀ©"_s << true;
    QTest::newRow("255 characters") << QString(255, u'A') << true;
    QTest::newRow("256 characters") << QString(256, u'A') << false;
    QTest::newRow("euro sign") << u"PREZZO€"_s << false;
    QTest::newRow("Greek letter") << u"ALFAα"_s << false;
    QTest::newRow("code 0 inside") << QString(u"A\0B"_s) << false;
  }
  void canHold() {
    QFETCH(QString, password);
    QFETCH(bool, storable);
    QCOMPARE(PasswordStore::canHold(password), storable);
  }

  // The store the build writes into the program folder.
  void deliveredStoreHoldsTheInitialPassword() {
    const QString path = QStringLiteral(VELINDA_DELIVERED_STORE);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QCOMPARE(PasswordStore::read(path), u"GIRASOLEBIANCO"_s);
    const QString stored = IniFile::load(path).value(u"Accesso"_s, u"Valore"_s);
    QCOMPARE(stored.size(), 28);
    QVERIFY2(QRegularExpression(u"^[0-9A-F]+$"_s).match(stored).hasMatch(), qPrintable(stored));
  }
};

QTEST_APPLESS_MAIN(PasswordStoreTest)
#include "tst_passwordstore.moc"
