#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "editors/tfrmricevimento.h"
#include "fixtures.h"
#include "screenhelpers.h"
#include "search/tfrmimportaanagrafica.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

using namespace ScreenHelpers;
using Fixture::record;

namespace {

using Boxes = QMap<QString, QString>;

TSchedaAnagrafica card(const QString& street) {
  return record<TSchedaAnagrafica>(
      {{u"Nome"_qs, u"Rossi Mario"_qs}, {u"Indirizzo"_qs, street}, {u"Num"_qs, u"12/B"_qs},
       {u"Cap01"_qs, u"0"_qs}, {u"Cap02"_qs, u"0"_qs}, {u"Cap03"_qs, u"1"_qs},
       {u"Cap04"_qs, u"8"_qs}, {u"Cap05"_qs, u"4"_qs}, {u"Localita"_qs, u"Roma"_qs},
       {u"Prov01"_qs, u"R"_qs}, {u"Prov02"_qs, u"M"_qs}, {u"Email"_qs, u"rossi@esempio.it"_qs},
       {u"CodFisc"_qs, u"RSSMRA80A01H501U"_qs}, {u"Note"_qs, u"Cliente"_qs},
       {u"Questioni"_qs, u"Sollecito"_qs}});
}

// What a block shows after the card above went into it: the card has no
// telephone, so the telephone box is emptied.
Boxes block(const QString& name, const QString& side, bool contacts) {
  Boxes b{{name, u"Rossi Mario"_qs},
          {u"txtIndirizzo"_qs + side, u"Via Roma"_qs},
          {u"txtNum"_qs + side, u"12/B"_qs},
          {u"txtCap"_qs + side + u"01"_qs, u"0"_qs},
          {u"txtCap"_qs + side + u"02"_qs, u"0"_qs},
          {u"txtCap"_qs + side + u"03"_qs, u"1"_qs},
          {u"txtCap"_qs + side + u"04"_qs, u"8"_qs},
          {u"txtCap"_qs + side + u"05"_qs, u"4"_qs},
          {u"txtLocalita"_qs + side, u"Roma"_qs},
          {u"txtProv"_qs + side + u"01"_qs, u"R"_qs},
          {u"txtProv"_qs + side + u"02"_qs, u"M"_qs}};
  if (contacts) {
    b.insert(u"txtTel"_qs + side, QString());
    b.insert(u"txtEmail"_qs + side, u"rossi@esempio.it"_qs);
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
    QTest::newRow("accettazione_des") << u"accettazione_des"_qs << true
                                      << block(u"txtDestinatario"_qs, u"Des"_qs, true);
    QTest::newRow("accettazione_mit") << u"accettazione_mit"_qs << true
                                      << block(u"txtMittente"_qs, u"Mit"_qs, true);
    QTest::newRow("ricevimento_des") << u"ricevimento_des"_qs << false
                                     << block(u"txtDestinatario"_qs, u"Des"_qs, false);
    QTest::newRow("ricevimento_mit") << u"ricevimento_mit"_qs << false
                                     << block(u"txtMittente"_qs, u"Mit"_qs, false);
    QTest::newRow("tag in blanks") << u" ricevimento_mit "_qs << false
                                   << block(u"txtMittente"_qs, u"Mit"_qs, false);
    QTest::newRow("tag in capitals") << u"Accettazione_des"_qs << true << Boxes{};
    QTest::newRow("a search's tag") << u"anagrafica"_qs << true << Boxes{};
    QTest::newRow("no tag") << QString() << false << Boxes{};
  }
  void importFillsExactlyTheTargetBlock() {
    QFETCH(QString, tag);
    QFETCH(bool, acceptance);
    QFETCH(Boxes, changed);
    TestFolder folder;
    RecordingMessages messages;
    // Two cards with the same line: the later one is copied.
    folder.write(addressBookArchive().fileName,
                 Fixture::bytes(QList<TSchedaAnagrafica>{card(u"Via Milano"_qs),
                                                         card(u"Via Roma"_qs)}));
    Fixture::Editor editor(acceptance ? acceptanceLayout() : returnReceiptLayout());
    QList<QLineEdit*> boxes = editor.findChildren<QLineEdit*>();
    for (QLineEdit* b : boxes) b->setText(u"prima "_qs + b->objectName());
    editor.findChild<QLabel*>(u"lblPosizione"_qs)->setText(u"5"_qs);
    // Each receipt has only one of these: attachments, or the kind of item.
    if (auto* attachment = editor.findChild<QLabel*>(u"lblFile01"_qs))
      attachment->setText(u"a.pdf"_qs);
    if (auto* registered = editor.check(u"chkRaccomandata"_qs)) registered->setChecked(true);

    TfrmImportaAnagrafica screen(&editor, &editor);
    screen.setTag(tag);
    screen.show();
    QCOMPARE(screen.windowTitle(), u" Importa dati da archivio anagrafico"_qs);
    click(&screen, u"btnCerca"_qs);
    QCOMPARE(lines(&screen).size(), 2);
    QVERIFY(lines(&screen).first().endsWith(u"  Note: Cliente"_qs));
    doubleClickRow(&screen, 0);
    QVERIFY(!screen.isVisible());

    for (QLineEdit* b : boxes) {
      const QString expected = changed.value(b->objectName(), u"prima "_qs + b->objectName());
      QCOMPARE(b->text(), expected);
      // An imported text is read from its beginning, however long.
      if (changed.contains(b->objectName())) QCOMPARE(b->cursorPosition(), 0);
    }
    QCOMPARE(editor.position(), u"5"_qs);
    if (auto* attachment = editor.findChild<QLabel*>(u"lblFile01"_qs))
      QCOMPARE(attachment->text(), u"a.pdf"_qs);
    if (auto* registered = editor.check(u"chkRaccomandata"_qs)) QVERIFY(registered->isChecked());
    QCOMPARE(messages.count(), 0);
  }

  void unreadableAddressBookClosesSilently() {
    TestFolder folder;
    RecordingMessages messages;
    folder.write(addressBookArchive().fileName, card(u"Via Roma"_qs).bytes());
    Fixture::Editor editor(acceptanceLayout());
    TfrmImportaAnagrafica screen(&editor, &editor);
    screen.setTag(u"accettazione_des"_qs);
    screen.show();
    click(&screen, u"btnCerca"_qs);
    folder.makeReadOnly(addressBookArchive().fileName);
    doubleClickRow(&screen, 0);
    QVERIFY(!screen.isVisible());
    QCOMPARE(editor.text(u"txtDestinatario"_qs), QString());
    QCOMPARE(messages.count(), 0);
  }

  // The real workspace holds its boxes deeper than a stand-in does.
  void importReachesTheRealWorkspace() {
    TestFolder folder;
    folder.write(addressBookArchive().fileName, card(u"Via Roma"_qs).bytes());
    TfrmRicevimento workspace;
    workspace.show();
    workspace.findChild<QLineEdit*>(u"txtDestinatario"_qs)->setText(u"Bianchi"_qs);
    TfrmImportaAnagrafica screen(&workspace, &workspace);
    screen.setTag(u"ricevimento_mit"_qs);
    screen.show();
    click(&screen, u"btnCerca"_qs);
    doubleClickRow(&screen, 0);
    QCOMPARE(workspace.findChild<QLineEdit*>(u"txtMittente"_qs)->text(), u"Rossi Mario"_qs);
    QCOMPARE(workspace.findChild<QLineEdit*>(u"txtCapMit05"_qs)->text(), u"4"_qs);
    QCOMPARE(workspace.findChild<QLineEdit*>(u"txtDestinatario"_qs)->text(), u"Bianchi"_qs);
  }
};

QTEST_MAIN(ImportCardTest)
#include "tst_importcard.moc"
