#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include "contactimport/contactfile.h"
#include "contactimport/csvreader.h"
#include "contactimport/importmessages.h"
#include "rows.h"

using namespace velinda;

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
        << QByteArray(
               "\xEF\xBB\xBF"
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
    QTest::newRow("blank lines and a BOM")
        << QByteArray("\xEF\xBB\xBF\r\n \r\n") << ImportMessages::kEmpty;
    QTest::newRow("a spreadsheet (zip)")
        << QByteArray("PK\x03\x04\x14\0\x06\0\x08\0\0\0!\0\0\0", 16)
        << ImportMessages::kNotContacts;
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
                               << ImportMessages::kNotContacts;
    QTest::newRow("a header and no contact")
        << QByteArray("Nome;CAP\r\n;\r\n") << ImportMessages::kNoContacts;
    QTest::newRow("a vCard without cards")
        << QByteArray("BEGIN:VCARD\r\nEND:VCARD\r\n") << ImportMessages::kNoContacts;
    QTest::newRow("unbalanced quotes")
        << QByteArray("Nome;Note\r\nAnna;\"aperta\r\n") << ImportMessages::unclosedQuote(2);
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

  // A file saved partly by a UTF-8 program and partly by a Windows one:
  // each character is read as what it is, and the lines read as
  // Windows-1252 are named.
  void mixedEncodingsKeepEveryLetter() {
    const QByteArray bytes =
        "Nome;Citt\xC3\xA0\n"
        "Niccol\xC3\xB2;Forl\xC3\xAC\n"
        "Fabrizio;Cant\xF9\n"
        "Niccol\xC3\xB2 Bianchi;Cant\xF9 \x80\n";
    const ContactTable table = ContactFile::fromBytes(bytes);
    QCOMPARE(table.format, u"CSV, separatore punto e virgola, codifica UTF-8 e Windows-1252"_s);
    QCOMPARE(table.names, (QStringList{u"Nome"_s, u"Città"_s}));
    QList<QStringList> rows;
    for (const ContactRow& row : table.rows) rows.append(lines(row));
    QCOMPARE(rows, (QList<QStringList>{{u"Nome=Niccolò"_s, u"Città=Forlì"_s},
                                       {u"Nome=Fabrizio"_s, u"Città=Cantù"_s},
                                       {u"Nome=Niccolò Bianchi"_s, u"Città=Cantù €"_s}}));
    QCOMPARE(table.legacyLines, (QList<int>{3, 4}));
    QCOMPARE(table.legacyLineCount, 2);
  }

  // Bytes that are no UTF-8 in a file that has none that is: the whole
  // file is Windows-1252, and no line needs naming.
  void aWindowsFileNamesNoLines() {
    const ContactTable table = ContactFile::fromBytes("Nome;Citt\xE0\nFabrizio;Cant\xF9\n");
    QVERIFY(table.format.endsWith(u"codifica Windows-1252"_s));
    QVERIFY(table.legacyLines.isEmpty());
    QCOMPARE(table.rows[0].last().value, u"Cantù"_s);
  }

  // The limit counts the bytes read, not the size a file claims: a file of
  // the system claims none.
  void theSizeLimitCountsTheBytesRead() {
    const QString claimsNothing = u"/proc/self/maps"_s;
    QCOMPARE(QFileInfo(claimsNothing).size(), 0);
    ContactFileLoader loader(claimsNothing, 100);
    try {
      while (loader.step()) {
      }
      QFAIL("read past the limit");
    } catch (const ContactFileError& error) {
      QCOMPARE(error.message(), ImportMessages::kTooLarge);
    }
    QVERIFY(loader.bytesRead() > 100);
  }

  // A link to an endless device ends with a message after one piece, not
  // with all of memory.
  void aLinkToADeviceEndsWithAMessage_data() {
    QTest::addColumn<QString>("device");
    QTest::newRow("zeros") << u"/dev/zero"_s;
    QTest::newRow("random bytes") << u"/dev/urandom"_s;
  }
  void aLinkToADeviceEndsWithAMessage() {
    QFETCH(QString, device);
    QTemporaryDir dir;
    const QString link = dir.filePath(u"contatti.csv"_s);
    QVERIFY(QFile::link(device, link));
    ContactFileLoader loader(link);
    try {
      while (loader.step()) {
      }
      QFAIL("read");
    } catch (const ContactFileError& error) {
      QCOMPARE(error.message(), ImportMessages::kNotContacts);
    }
    QVERIFY(loader.bytesRead() <= 1024 * 1024);
  }

  // A file wider than any list of contacts is refused as soon as its first
  // line too wide is met, however wide it is.
  void tooManyColumnsAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    auto values = [](int count, char separator) {
      QByteArrayList list;
      for (int c = 0; c < count; ++c) list.append("v" + QByteArray::number(c));
      return list.join(separator);
    };
    QTest::newRow("a row of a million values")
        << "Nome,Tel\n" + values(1000000, ',') + "\n"
        << ImportMessages::tooManyColumns(2, CsvReader::kMostColumns);
    QTest::newRow("a header one column too wide")
        << values(CsvReader::kMostColumns + 1, ';') + "\nAnna\n"
        << ImportMessages::tooManyColumns(1, CsvReader::kMostColumns);
  }
  void tooManyColumnsAreRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    try {
      ContactFile::fromBytes(bytes);
      QFAIL("read");
    } catch (const ContactFileError& error) {
      QCOMPARE(error.message(), message);
    }
  }

  void aFileAsWideAsAllowedIsRead() {
    QByteArrayList names;
    QByteArrayList values;
    for (int c = 0; c < CsvReader::kMostColumns; ++c) {
      names.append("C" + QByteArray::number(c));
      values.append("v" + QByteArray::number(c));
    }
    const ContactTable table = ContactFile::fromBytes(names.join(';') + "\n" + values.join(';'));
    QCOMPARE(table.names.size(), CsvReader::kMostColumns);
    QCOMPARE(table.rows[0].last().value, u"v499"_s);
  }

  // Blank lines before the header are looked at once each: a file of many
  // reads as quickly as any, its lines counted.
  void blankLinesBeforeTheHeaderAreCounted() {
    const ContactTable table =
        ContactFile::fromBytes(QByteArray(20000, '\n') + "Nome;CAP\r\nAnna;00100\r\n");
    QCOMPARE(table.rows.size(), 1);
    QCOMPARE(table.rows.origin(0).line, 20002);
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
