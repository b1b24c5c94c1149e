#include <QTest>

#include "platform/inifile.h"
#include "support/testfolder.h"

class IniFileTest : public QObject {
  Q_OBJECT
 private slots:
  void missingReadsEmpty() {
    TestFolder folder;
    const IniFile ini = IniFile::load(folder.filePath(u"none.ini"_qs));
    QCOMPARE(ini.value(u"Accesso"_qs, u"Valore"_qs), QString());
  }

  void valuesMatchSectionsAndKeysInAnyCase() {
    const IniFile ini = IniFile::fromBytes(
        "[Margini Ricevuta Accettazione]\r\nSuperiore= -3 \r\nSinistro=2,5\r\n");
    QCOMPARE(ini.value(u"margini ricevuta accettazione"_qs, u"SUPERIORE"_qs), u"-3"_qs);
    QCOMPARE(ini.value(u"Margini Ricevuta Accettazione"_qs, u"Sinistro"_qs), u"2,5"_qs);
    QCOMPARE(ini.value(u"Margini Ricevuta Accettazione"_qs, u"Altro"_qs), QString());
  }

  void writingKeepsEveryOtherLineByteForByte() {
    const QByteArray original =
        "; a comment\r\n[Accesso]\r\nValore=ABCD\r\nAltro = x \r\n\r\n[Other]\r\nk=v\r\n";
    IniFile ini = IniFile::fromBytes(original);
    ini.setValue(u"ACCESSO"_qs, u"valore"_qs, u"1234"_qs);
    QCOMPARE(ini.toBytes(),
             QByteArray("; a comment\r\n[Accesso]\r\nValore=1234\r\nAltro = x \r\n"
                        "\r\n[Other]\r\nk=v\r\n"));
  }

  void newSectionsAndKeysArePlain() {
    IniFile ini;
    ini.setValue(u"Margini Avviso Ricevimento Mittente"_qs, u"Superiore"_qs, u"-3"_qs);
    ini.setValue(u"Stampa Avviso Ricevimento Mittente"_qs, u"Orientamento"_qs,
                 u"Orizzontale"_qs);
    ini.setValue(u"Margini Avviso Ricevimento Mittente"_qs, u"Sinistro"_qs, u"4"_qs);
    QCOMPARE(ini.toBytes(),
             QByteArray("[Margini Avviso Ricevimento Mittente]\r\nSuperiore=-3\r\n"
                        "Sinistro=4\r\n\r\n[Stampa Avviso Ricevimento Mittente]\r\n"
                        "Orientamento=Orizzontale\r\n"));
  }

  void saveReplacesTheFileOrFailsLeavingIt() {
    TestFolder folder;
    const QString path = folder.filePath(u"Impostazioni.ini"_qs);
    IniFile ini;
    ini.setValue(u"A B"_qs, u"k"_qs, u"1"_qs);
    ini.save(path);
    QCOMPARE(folder.read(u"Impostazioni.ini"_qs), QByteArray("[A B]\r\nk=1\r\n"));

    folder.makeReadOnly(u"Impostazioni.ini"_qs);
    ini.setValue(u"A B"_qs, u"k"_qs, u"2"_qs);
    QVERIFY_THROWS_EXCEPTION(IniWriteError, ini.save(path));
    QCOMPARE(folder.read(u"Impostazioni.ini"_qs), QByteArray("[A B]\r\nk=1\r\n"));
  }

  void saveInReadOnlyFolderFails() {
    TestFolder folder;
    folder.makeReadOnly();
    IniFile ini;
    ini.setValue(u"A"_qs, u"k"_qs, u"1"_qs);
    QVERIFY_THROWS_EXCEPTION(IniWriteError, ini.save(folder.filePath(u"x.ini"_qs)));
  }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_inifile.moc"
