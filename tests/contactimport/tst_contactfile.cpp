#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include "contactimport/contactfile.h"
#include "contactimport/importmessages.h"
#include "rows.h"

using namespace Qt::StringLiterals;

class ContactFileTest : public QObject {
  Q_OBJECT
 private slots:
  void findsTheEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("name");

    QTest::newRow("UTF-8 with BOM, as Excel's \"CSV UTF-8\"")
        << QByteArray("\xEF\xBB\xBFNome;Citt\xC3\xA0\r\nNiccol\xC3\xB2;Forl\xC3\xAC\r\n")
        << u"CSV, separatore punto e virgola, codifica UTF-8 con BOM"_s << u"Niccolò"_s;
    QTest::newRow("UTF-8 without BOM, as LibreOffice and Google")
        << QByteArray("Name,City\nNiccol\xC3\xB2,Forl\xC3\xAC\n")
        << u"CSV, separatore virgola, codifica UTF-8"_s << u"Niccolò"_s;
    QTest::newRow("Windows-1252, as Outlook and older Excel")
        << QByteArray("Nome;Citt\xE0\r\nNiccol\xF2 \x80;Forl\xEC\r\n")
        << u"CSV, separatore punto e virgola, codifica Windows-1252"_s << u"Niccolò €"_s;
    QTest::newRow("UTF-16 with BOM, as Excel's \"Unicode text\"")
        << QByteArray("\xFF\xFE") +
               QStringEncoder(QStringConverter::Utf16LE)(u"Nome\tCAP\r\nLù\t00\r\n")
        << u"CSV, separatore tabulazione, codifica UTF-16"_s << u"Lù"_s;
    QTest::newRow("a vCard")
        << QByteArray("\xEF\xBB\xBF"
                      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Niccol\xC3\xB2\r\nEND:VCARD\r\n")
        << u"vCard 3.0, codifica UTF-8 con BOM"_s << u"Niccolò"_s;
  }
  void findsTheEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, format);
    QFETCH(QString, name);
    const ContactTable table = ContactFile::fromBytes(bytes);
    QCOMPARE(table.format, format);
    QCOMPARE(table.rows.size(), 1);
    QCOMPARE(table.rows[0].first().value, name);
  }

  void unfitFilesAreRefusedWithAMessage_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray() << ImportMessages::kEmpty;
    QTest::newRow("blank lines and a BOM") << QByteArray("\xEF\xBB\xBF\r\n \r\n")
                                           << ImportMessages::kEmpty;
    QTest::newRow("a spreadsheet (zip)")
        << QByteArray("PK\x03\x04\x14\0\x06\0\x08\0\0\0!\0\0\0", 16)
        << ImportMessages::kNotContacts;
    QTest::newRow("a picture")
        << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << ImportMessages::kNotContacts;
    QTest::newRow("a header and no contact") << QByteArray("Nome;CAP\r\n;\r\n")
                                             << ImportMessages::kNoContacts;
    QTest::newRow("a vCard without cards") << QByteArray("BEGIN:VCARD\r\nEND:VCARD\r\n")
                                           << ImportMessages::kNoContacts;
    QTest::newRow("unbalanced quotes") << QByteArray("Nome;Note\r\nAnna;\"aperta\r\n")
                                       << ImportMessages::unclosedQuote(2);
  }
  void unfitFilesAreRefusedWithAMessage() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    try {
      const ContactTable table = ContactFile::fromBytes(bytes);
      QFAIL(qPrintable(u"read as "_s + table.format));
    } catch (const ContactFileError& error) {
      QCOMPARE(error.message(), message);
    }
  }

  void aFileThatCannotBeOpenedIsReported() {
    QTemporaryDir dir;
    try {
      ContactFile::read(dir.filePath(u"manca.csv"_s));
      QFAIL("read");
    } catch (const ContactFileError& error) {
      QCOMPARE(error.message(), ImportMessages::kUnreadable);
    }
  }
};

QTEST_APPLESS_MAIN(ContactFileTest)
#include "tst_contactfile.moc"
