#include <QDir>
#include <QTest>

#include "core/inifile.h"
#include "support/smalldisk.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

class IniFileTest : public QObject {
  Q_OBJECT
 private slots:
  void missingReadsEmpty() {
    TestFolder folder;
    const IniFile ini = IniFile::load(folder.filePath(u"none.ini"_s));
    QCOMPARE(ini.value(u"Accesso"_s, u"Valore"_s), QString());
  }

  void valuesMatchSectionsAndKeysInAnyCase() {
    const IniFile ini =
        IniFile::fromBytes("[Margini Ricevuta Accettazione]\r\nSuperiore= -3 \r\nSinistro=2,5\r\n");
    QCOMPARE(ini.value(u"margini ricevuta accettazione"_s, u"SUPERIORE"_s), u"-3"_s);
    QCOMPARE(ini.value(u"Margini Ricevuta Accettazione"_s, u"Sinistro"_s), u"2,5"_s);
    QCOMPARE(ini.value(u"Margini Ricevuta Accettazione"_s, u"Altro"_s), QString());
  }

  void writingKeepsEveryOtherLineByteForByte() {
    const QByteArray original =
        "; a comment\r\n[Accesso]\r\nValore=ABCD\r\nAltro = x \r\n\r\n[Other]\r\nk=v\r\n";
    IniFile ini = IniFile::fromBytes(original);
    ini.setValue(u"ACCESSO"_s, u"valore"_s, u"1234"_s);
    QCOMPARE(ini.toBytes(), QByteArray("; a comment\r\n[Accesso]\r\nValore=1234\r\nAltro = x \r\n"
                                       "\r\n[Other]\r\nk=v\r\n"));
  }

  // Reading and writing back a file the program has not changed gives the
  // same bytes, however its lines end.
  void unchangedFileIsWrittenBackAsItWas_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << QByteArray("[A]\r\nk=v\r\n");
    QTest::newRow("LF") << QByteArray("[A]\nk=v\n");
    QTest::newRow("no break at the end") << QByteArray("[A]\r\nk=v");
    QTest::newRow("CR at the very end") << QByteArray("[A]\r\nk=v\r");
    QTest::newRow("CRs only") << QByteArray("\r\r");
    QTest::newRow("mixed line breaks") << QByteArray("[A]\nk=v\r\n;\r\r\nx=1\n");
  }
  void unchangedFileIsWrittenBackAsItWas() {
    QFETCH(QByteArray, bytes);
    QCOMPARE(IniFile::fromBytes(bytes).toBytes(), bytes);
  }

  // New lines end as the file's lines do, and a file without a break at its
  // end stays so.
  void newLinesFollowTheFilesBreaks_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("LF") << QByteArray("[Accesso]\nAltro=1\n")
                        << QByteArray("[Accesso]\nAltro=1\nValore=64\n");
    QTest::newRow("no break at the end")
        << QByteArray("[Accesso]\r\nAltro=1") << QByteArray("[Accesso]\r\nAltro=1\r\nValore=64");
    QTest::newRow("new section after a last line without break")
        << QByteArray("[Altro]\r\nk=v")
        << QByteArray("[Altro]\r\nk=v\r\n\r\n[Accesso]\r\nValore=64");
  }
  void newLinesFollowTheFilesBreaks() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    IniFile ini = IniFile::fromBytes(before);
    ini.setValue(u"Accesso"_s, u"Valore"_s, u"64"_s);
    QCOMPARE(ini.toBytes(), after);
  }

  void newSectionsAndKeysArePlain() {
    IniFile ini;
    ini.setValue(u"Margini Avviso Ricevimento Mittente"_s, u"Superiore"_s, u"-3"_s);
    ini.setValue(u"Stampa Avviso Ricevimento Mittente"_s, u"Orientamento"_s, u"Orizzontale"_s);
    ini.setValue(u"Margini Avviso Ricevimento Mittente"_s, u"Sinistro"_s, u"4"_s);
    QCOMPARE(ini.toBytes(), QByteArray("[Margini Avviso Ricevimento Mittente]\r\nSuperiore=-3\r\n"
                                       "Sinistro=4\r\n\r\n[Stampa Avviso Ricevimento Mittente]\r\n"
                                       "Orientamento=Orizzontale\r\n"));
  }

  void saveReplacesTheFileOrFailsLeavingIt() {
    TestFolder folder;
    const QString path = folder.filePath(u"Impostazioni.ini"_s);
    IniFile ini;
    ini.setValue(u"A B"_s, u"k"_s, u"1"_s);
    ini.save(path);
    QCOMPARE(folder.read(u"Impostazioni.ini"_s), QByteArray("[A B]\r\nk=1\r\n"));

    if (!folder.makeReadOnly(u"Impostazioni.ini"_s)) QSKIP(TestFolder::kCannotMakeReadOnly);
    ini.setValue(u"A B"_s, u"k"_s, u"2"_s);
    QVERIFY_THROWS_EXCEPTION(IniWriteError, ini.save(path));
    QCOMPARE(folder.read(u"Impostazioni.ini"_s), QByteArray("[A B]\r\nk=1\r\n"));
  }

  // The write itself fails, not the opening: the old file must survive it
  // byte for byte, with no half-written copy left beside it.
  void saveOnAFullDiskFailsLeavingTheFile() {
    SmallDisk disk;
    if (!disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    TestFolder folder(disk.path());
    const QByteArray before = "[Accesso]\r\nValore=62A7C16E9F69C44DB494939E28AF\r\n";
    folder.write(u"unins000.dll"_s, before);
    disk.fill();

    const QString path = folder.filePath(u"unins000.dll"_s);
    IniFile ini = IniFile::load(path);
    ini.setValue(u"Accesso"_s, u"Valore"_s, u"64F4"_s);
    QVERIFY_THROWS_EXCEPTION(IniWriteError, ini.save(path));
    QCOMPARE(folder.read(u"unins000.dll"_s), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"unins000.dll"_s});
  }

  void saveInReadOnlyFolderFails() {
    TestFolder folder;
    if (!folder.makeReadOnly()) QSKIP(TestFolder::kCannotMakeReadOnly);
    IniFile ini;
    ini.setValue(u"A"_s, u"k"_s, u"1"_s);
    QVERIFY_THROWS_EXCEPTION(IniWriteError, ini.save(folder.filePath(u"x.ini"_s)));
  }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_inifile.moc"
