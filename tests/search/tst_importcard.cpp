#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "editors/tfrmricevimento.h"
#include "fixtures.h"
#include "screenhelpers.h"
#include "search/tfrmimportaanagrafica.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using namespace ScreenHelpers;
using Fixture::record;

namespace {

using Boxes = QMap<QString, QString>;

TSchedaAnagrafica card(const QString& street) {
  // clang-format off
  return record<TSchedaAnagrafica>(
      {{u"Nome"_s, u"Rossi Mario"_s}, {u"Indirizzo"_s, street}, {u"Num"_s, u"12/B"_s},
       {u"Cap01"_s, u"0"_s}, {u"Cap02"_s, u"0"_s}, {u"Cap03"_s, u"1"_s},
       {u"Cap04"_s, u"8"_s}, {u"Cap05"_s, u"4"_s}, {u"Localita"_s, u"Roma"_s},
       {u"Prov01"_s, u"R"_s}, {u"Prov02"_s, u"M"_s}, {u"Email"_s, u"rossi@esempio.it"_s},
       {u"CodFisc"_s, u"RSSMRA80A01H501U"_s}, {u"Note"_s, u"Cliente"_s},
       {u"Questioni"_s, u"Sollecito"_s}});
  // clang-format on
}

// What a block shows after the card above went into it: the card has no
// telephone, so the telephone box is emptied.
Boxes block(const QString& name, const QString& side, bool contacts) {
  Boxes b{{name, u"Rossi Mario"_s},
          {u"txtIndirizzo"_s + side, u"Via Roma"_s},
          {u"txtNum"_s + side, u"12/B"_s},
          {u"txtCap"_s + side + u"01"_s, u"0"_s},
          {u"txtCap"_s + side + u"02"_s, u"0"_s},
          {u"txtCap"_s + side + u"03"_s, u"1"_s},
          {u"txtCap"_s + side + u"04"_s, u"8"_s},
          {u"txtCap"_s + side + u"05"_s, u"4"_s},
          {u"txtLocalita"_s + side, u"Roma"_s},
          {u"txtProv"_s + side + u"01"_s, u"R"_s},
          {u"txtProv"_s + side + u"02"_s, u"M"_s}};
  if (contacts) {
    b.insert(u"txtTel"_s + side, QString());
    b.insert(u"txtEmail"_s + side, u"rossi@esempio.it"_s);
  }
  return b;
}

}  // namespace

class ImportCardTest : public QObject {
  Q_OBJECT
 private slots:
  void importFillsExactlyTheTargetBlock_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("acceptance");
    QTest::addColumn<Boxes>("changed");
    QTest::newRow("accettazione_des")
        << u"accettazione_des"_s << true << block(u"txtDestinatario"_s, u"Des"_s, true);
    QTest::newRow("accettazione_mit")
        << u"accettazione_mit"_s << true << block(u"txtMittente"_s, u"Mit"_s, true);
    QTest::newRow("ricevimento_des")
        << u"ricevimento_des"_s << false << block(u"txtDestinatario"_s, u"Des"_s, false);
    QTest::newRow("ricevimento_mit")
        << u"ricevimento_mit"_s << false << block(u"txtMittente"_s, u"Mit"_s, false);
    QTest::newRow("tag in blanks")
        << u" ricevimento_mit "_s << false << block(u"txtMittente"_s, u"Mit"_s, false);
    QTest::newRow("tag in capitals") << u"Accettazione_des"_s << true << Boxes{};
    QTest::newRow("a search's tag") << u"anagrafica"_s << true << Boxes{};
    QTest::newRow("no tag") << QString() << false << Boxes{};
  }
  void importFillsExactlyTheTargetBlock() {
    QFETCH(QString, tag);
    QFETCH(bool, acceptance);
    QFETCH(Boxes, changed);
    TestFolder folder;
    RecordingMessages messages;
    // Two cards with the same line: the later one is copied.
    folder.write(addressBookArchive().fileName, Fixture::bytes(QList<TSchedaAnagrafica>{
                                                    card(u"Via Milano"_s), card(u"Via Roma"_s)}));
    Fixture::Editor editor(acceptance ? acceptanceLayout() : returnReceiptLayout());
    QList<QLineEdit*> boxes = editor.findChildren<QLineEdit*>();
    for (QLineEdit* b : boxes) b->setText(u"prima "_s + b->objectName());
    editor.findChild<QLabel*>(u"lblPosizione"_s)->setText(u"5"_s);
    // Each receipt has only one of these: attachments, or the kind of item.
    if (auto* attachment = editor.findChild<QLabel*>(u"lblFile01"_s))
      attachment->setText(u"a.pdf"_s);
    if (auto* registered = editor.check(u"chkRaccomandata"_s)) registered->setChecked(true);

    TfrmImportaAnagrafica screen(&editor, &editor);
    screen.setTag(tag);
    screen.show();
    QCOMPARE(screen.windowTitle(), u" Importa dati da archivio anagrafico"_s);
    click(&screen, u"btnCerca"_s);
    QCOMPARE(lines(&screen).size(), 2);
    QVERIFY(lines(&screen).first().endsWith(u"  Note: Cliente"_s));
    doubleClickRow(&screen, 0);
    QVERIFY(!screen.isVisible());

    for (QLineEdit* b : boxes) {
      const QString expected = changed.value(b->objectName(), u"prima "_s + b->objectName());
      QCOMPARE(b->text(), expected);
      // An imported text is read from its beginning, however long.
      if (changed.contains(b->objectName())) QCOMPARE(b->cursorPosition(), 0);
    }
    QCOMPARE(editor.position(), u"5"_s);
    if (auto* attachment = editor.findChild<QLabel*>(u"lblFile01"_s))
      QCOMPARE(attachment->text(), u"a.pdf"_s);
    if (auto* registered = editor.check(u"chkRaccomandata"_s)) QVERIFY(registered->isChecked());
    QCOMPARE(messages.count(), 0);
  }

  // The address book cannot be read again by the double click: the user is
  // told, and the screen stays for another try with the receipt as it was.
  void anUnreadableAddressBookIsReported() {
    TestFolder folder;
    RecordingMessages messages;
    folder.write(addressBookArchive().fileName, card(u"Via Roma"_s).bytes());
    Fixture::Editor editor(acceptanceLayout());
    TfrmImportaAnagrafica screen(&editor, &editor);
    screen.setTag(u"accettazione_des"_s);
    screen.show();
    click(&screen, u"btnCerca"_s);
    QVERIFY(QFile::remove(folder.filePath(addressBookArchive().fileName)));
    QVERIFY(QDir(folder.path()).mkdir(addressBookArchive().fileName));
    doubleClickRow(&screen, 0);
    QVERIFY(screen.isVisible());
    QCOMPARE(editor.text(u"txtDestinatario"_s), QString());
    QCOMPARE(editor.text(u"txtIndirizzoDes"_s), QString());
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, RecordingMessages::Form::Plain);
    QCOMPARE(messages.last().text,
             u"Attenzione: il sistema non permette di accedere "
             "all'archivio.\n\r\n\rAccertarsi di possedere i privilegi "
             "di scrittura nella cartella di installazione del "
             "programma."_s);
  }

  // The real workspace holds its boxes deeper than a stand-in does.
  void importReachesTheRealWorkspace() {
    TestFolder folder;
    folder.write(addressBookArchive().fileName, card(u"Via Roma"_s).bytes());
    TfrmRicevimento workspace;
    workspace.show();
    workspace.findChild<QLineEdit*>(u"txtDestinatario"_s)->setText(u"Bianchi"_s);
    TfrmImportaAnagrafica screen(&workspace, &workspace);
    screen.setTag(u"ricevimento_mit"_s);
    screen.show();
    click(&screen, u"btnCerca"_s);
    doubleClickRow(&screen, 0);
    QCOMPARE(workspace.findChild<QLineEdit*>(u"txtMittente"_s)->text(), u"Rossi Mario"_s);
    QCOMPARE(workspace.findChild<QLineEdit*>(u"txtCapMit05"_s)->text(), u"4"_s);
    QCOMPARE(workspace.findChild<QLineEdit*>(u"txtDestinatario"_s)->text(), u"Bianchi"_s);
  }
};

QTEST_MAIN(ImportCardTest)
#include "tst_importcard.moc"
