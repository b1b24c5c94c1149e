#include <QAccessible>
// What the three workspaces share: keys that work wherever the focus is,
// texts shown from their beginning, one-character boxes, the help line.
#include <QDate>
#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "archive/tscheda.h"
#include "editors/tfrmaccettazione.h"
#include "editors/tfrmanagrafica.h"
#include "editors/tfrmricevimento.h"
#include "support/classname.h"
#include "support/recordingshell.h"
#include "workspacefixture.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

enum Workspace { Acceptance, ReturnReceipt, AddressBook };

// Runs the check on a fresh, shown workspace of the given kind.
template <typename Check>
void onWorkspace(int kind, Check check) {
  switch (kind) {
    case Acceptance: {
      WorkspaceFixture<TfrmAccettazione> s;
      check(s, acceptanceArchive(), u"txtDestinatario"_s);
      break;
    }
    case ReturnReceipt: {
      WorkspaceFixture<TfrmRicevimento> s;
      check(s, returnReceiptArchive(), u"txtDestinatario"_s);
      break;
    }
    case AddressBook: {
      WorkspaceFixture<TfrmAnagrafica> s;
      check(s, addressBookArchive(), u"txtNome"_s);
      break;
    }
  }
}

// Records that differ only in their name field, which is written into the
// workspace's test folder.
template <typename Fixture>
void writeNames(Fixture& s, const ArchiveDefinition& archive, const QString& nameBox,
                const QStringList& names) {
  QByteArray bytes;
  for (const QString& name : names) {
    TScheda record(archive.layout);
    record.setText(QStringView(nameBox).mid(3), name);
    bytes += record.bytes();
  }
  s.folder.write(archive.fileName, bytes);
}

void addWorkspaceColumn() { QTest::addColumn<int>("workspace"); }

// What a key opened over the workspace: the screen's class and its tag.
struct Opened {
  QString screen;
  QString tag;
};

Opened pressAndCatchModal(QWidget* focus, const QKeySequence& keys) {
  Opened opened;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    opened.screen = className(dialog);
    for (auto* tag : dialog->findChildren<QLabel*>(u"lblMemory"_s)) opened.tag = tag->text();
    dialog->reject();
  });
  QTest::keySequence(focus, keys);
  return opened;
}

}  // namespace

class WorkspacesTest : public QObject {
  Q_OBJECT
 private slots:
  // Every box keeps Ctrl+Home and Ctrl+End for "start/end of text"; in the
  // workspace they must reach the first and last card, from any box.
  void navigationKeysWorkFromEveryKindOfBox_data() {
    addWorkspaceColumn();
    QTest::addColumn<QString>("box");
    QTest::newRow("acceptance, text box") << int(Acceptance) << "txtContenuto";
    QTest::newRow("acceptance, one-character box") << int(Acceptance) << "txtCapMit02";
    QTest::newRow("return receipt, label number") << int(ReturnReceipt) << "txtN07";
    QTest::newRow("address book, notes") << int(AddressBook) << "txtNote";
    QTest::newRow("address book, digits only") << int(AddressBook) << "txtPartitaIva";
  }
  void navigationKeysWorkFromEveryKindOfBox() {
    QFETCH(int, workspace);
    QFETCH(QString, box);
    onWorkspace(workspace, [&](auto& s, const ArchiveDefinition& archive, const QString& name) {
      writeNames(s, archive, name, {u"Uno"_s, u"Due"_s, u"Tre"_s});
      s.focus(box);
      QList<QString> seen;
      for (const QKeySequence& key : {QKeySequence(u"Ctrl+End"_s), QKeySequence(u"PgUp"_s),
                                      QKeySequence(u"Ctrl+Home"_s), QKeySequence(u"PgDown"_s)}) {
        QTest::keySequence(QApplication::focusWidget(), key);
        seen << s.box(name)->text();
      }
      QCOMPARE(seen, (QList<QString>{u"Tre"_s, u"Due"_s, u"Uno"_s, u"Due"_s}));
      QCOMPARE(s.focused(), box);
      QCOMPARE(s.messages.count(), 0);
    });
  }

  // Each picture button answers its key from inside a text box, and its
  // tooltip says which key that is.
  void everyButtonAnswersItsKey_data() {
    addWorkspaceColumn();
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("tag");
    auto row = [](Workspace w, const char* button, const char* keys, const char* screen,
                  const char* tag = "") {
      QTest::addRow("%d %s", int(w), button) << int(w) << button << keys << screen << tag;
    };
    row(Acceptance, "cmdStampa", "Ctrl+P", "TfrmStampaAccettazione");
    row(Acceptance, "cmdFile", "Ctrl+Shift+A", "TfrmAllegaCartella", "accettazione");
    row(Acceptance, "cmdEsporta", "Ctrl+E", "TfrmExpAccettazione");
    row(Acceptance, "cmdDaInviare", "Ctrl+L", "TfrmInviate");
    row(Acceptance, "impDestinatario", "Ctrl+I", "TfrmImportaAnagrafica", "accettazione_des");
    row(Acceptance, "impMittente", "Ctrl+Shift+I", "TfrmImportaAnagrafica", "accettazione_mit");
    row(Acceptance, "cmdBusta", "Ctrl+B", "EnvelopeScreen");
    row(ReturnReceipt, "cmdStampaDes", "Ctrl+P", "TfrmStampaRicevimentoDes");
    row(ReturnReceipt, "cmdStampaMit", "Ctrl+Shift+P", "TfrmStampaRicevimentoMit");
    row(ReturnReceipt, "cmdEsporta", "Ctrl+E", "TfrmExpRicevimento");
    row(ReturnReceipt, "cmdDaInviare", "Ctrl+L", "TfrmConsegnate");
    row(ReturnReceipt, "impDestinatario", "Ctrl+I", "TfrmImportaAnagrafica", "ricevimento_des");
    row(ReturnReceipt, "impMittente", "Ctrl+Shift+I", "TfrmImportaAnagrafica", "ricevimento_mit");
    row(AddressBook, "cmdStampa", "Ctrl+P", "TfrmStampaAnagrafica");
    row(AddressBook, "cmdFile", "Ctrl+Shift+A", "TfrmAllegaCartella", "anagrafica");
    row(AddressBook, "cmdEsporta", "Ctrl+E", "TfrmExpAnagrafica");
    row(AddressBook, "cmdQuestioni", "Ctrl+L", "TfrmQuestioni");
    row(AddressBook, "cmdTrova", "Ctrl+F", "TfrmTrovaAnagrafica", "anagrafica");
    row(AddressBook, "btnCodFisc", "F5", "TfrmCodFisc");
    row(AddressBook, "btnPartitaIva", "F6", "TfrmPartitaIva");
    row(AddressBook, "btnIban", "F7", "TfrmIban");
    row(AddressBook, "btnCarta", "F8", "TfrmCarta");
    row(AddressBook, "cmdBusta", "Ctrl+B", "EnvelopeScreen");
    row(AddressBook, "cmdImportaContatti", "Ctrl+Shift+O", "TfrmImportaContatti");
  }
  void everyButtonAnswersItsKey() {
    QFETCH(int, workspace);
    QFETCH(QString, button);
    QFETCH(QString, keys);
    QFETCH(QString, screen);
    QFETCH(QString, tag);
    onWorkspace(workspace, [&](auto& s, const ArchiveDefinition&, const QString& name) {
      const QKeySequence sequence(keys, QKeySequence::PortableText);
      auto* b = s.window.template findChild<QToolButton*>(button);
      QVERIFY(b->toolTip().endsWith(u" ("_s + sequence.toString(QKeySequence::NativeText) + u')'));
      s.box(name)->setText(u"Mario Rossi"_s);
      s.box(name)->setCursorPosition(3);
      const Opened opened = pressAndCatchModal(s.box(name), sequence);
      QCOMPARE(opened.screen, screen);
      QCOMPARE(opened.tag, tag);
      QCOMPARE(s.box(name)->text(), u"Mario Rossi"_s);
    });
  }

  // Esc and Ctrl+W leave a workspace as its Esci does, from any box, and
  // Esci's tooltip names both.
  void escapeAndCtrlWCloseTheWorkspace_data() {
    QTest::addColumn<int>("workspace");
    QTest::addColumn<QString>("keys");
    for (const char* keys : {"Esc", "Ctrl+W"}) {
      QTest::addRow("acceptance, %s", keys) << int(Acceptance) << QString::fromLatin1(keys);
      QTest::addRow("return receipt, %s", keys) << int(ReturnReceipt) << QString::fromLatin1(keys);
      QTest::addRow("address book, %s", keys) << int(AddressBook) << QString::fromLatin1(keys);
    }
  }
  void escapeAndCtrlWCloseTheWorkspace() {
    QFETCH(int, workspace);
    QFETCH(QString, keys);
    onWorkspace(workspace, [&](auto& s, const ArchiveDefinition&, const QString& name) {
      const QString tip = s.window.template findChild<QToolButton*>(u"cmdEsci"_s)->toolTip();
      QVERIFY2(tip.endsWith(u" (Esc, Ctrl+W)"_s), qPrintable(tip));
      s.box(name)->setText(u"Mario Rossi"_s);
      s.focus(name);
      QTest::keySequence(QApplication::focusWidget(), QKeySequence(keys));
      QVERIFY(!s.window.isVisible());
    });
  }

  // A screen reader reads the card's number as the label shows it.
  void theCardNumberIsReadAsShown() {
    onWorkspace(Acceptance, [&](auto& s, const ArchiveDefinition& archive, const QString& name) {
      writeNames(s, archive, name, {u"Uno"_s, u"Due"_s});
      s.press(u"cmdPrimo"_s);
      QAccessibleInterface* label = QAccessible::queryAccessibleInterface(s.position());
      QVERIFY(label);
      QCOMPARE(s.position()->text(), u"1"_s);
      QCOMPARE(label->text(QAccessible::Name), u"1"_s);
      QCOMPARE(label->text(QAccessible::Description), u"Numero della scheda in archivio"_s);
    });
  }

  void dateAndMailKeys() {
    {
      WorkspaceFixture<TfrmRicevimento> s;
      s.focus(u"txtUfficio"_s);
      QTest::keySequence(QApplication::focusWidget(), QKeySequence(u"Ctrl+;"_s));
      QCOMPARE(s.box(u"txtData"_s)->text(), QDate::currentDate().toString(u"dd/MM/yyyy"_s));
      QCOMPARE(s.box(u"txtUfficio"_s)->text(), QString());
    }
    {
      WorkspaceFixture<TfrmAnagrafica> s;
      RecordingShell shell;
      s.box(u"txtEmail"_s)->setText(u"a@b.it"_s);
      s.focus(u"txtNote"_s);
      QTest::keySequence(QApplication::focusWidget(), QKeySequence(u"Ctrl+M"_s));
      QCOMPARE(shell.opened.size(), 1);
      QCOMPARE(shell.opened.first().toString(), u"mailto:a@b.it"_s);
    }
  }

  // A card longer than its box is read from its beginning, also in the box
  // that has the focus.
  void loadedTextsShowTheirBeginning_data() {
    addWorkspaceColumn();
    QTest::newRow("acceptance") << int(Acceptance);
    QTest::newRow("return receipt") << int(ReturnReceipt);
    QTest::newRow("address book") << int(AddressBook);
  }
  void loadedTextsShowTheirBeginning() {
    QFETCH(int, workspace);
    onWorkspace(workspace, [&](auto& s, const ArchiveDefinition& archive, const QString& name) {
      const QString longName =
          u"Ministero delle Infrastrutture e dei Trasporti della Repubblica Italiana"_s;
      writeNames(s, archive, name, {longName});
      QLineEdit* box = s.box(name);
      QCOMPARE(s.focused(), name);
      QTest::keySequence(box, QKeySequence(u"Ctrl+End"_s));
      QCOMPARE(box->text(), longName);
      QCOMPARE(box->cursorPosition(), 0);
      // The box shows the first letters: its left part looks as it does
      // when the box holds only them.
      box->clearFocus();
      const QRect left(3, 2, box->fontMetrics().horizontalAdvance(longName.left(6)),
                       box->height() - 4);
      const QImage shown = box->grab(left).toImage();
      box->setText(longName.left(8));
      QCOMPARE(shown, box->grab(left).toImage());
    });
  }

  // A click in a filled one-character box selects its content, so that the
  // next key replaces it instead of being lost in a full box.
  void clickThenTypeReplacesAOneCharacterBox_data() {
    addWorkspaceColumn();
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("next");
    // clang-format off
    QTest::newRow("acceptance postcode") << int(Acceptance) << "txtCapDes03" << "txtCapDes04";
    QTest::newRow("return receipt number") << int(ReturnReceipt) << "txtN05" << "txtN06";
    QTest::newRow("address book province") << int(AddressBook) << "txtProv02" << "txtTel";
    // clang-format on
  }
  void clickThenTypeReplacesAOneCharacterBox() {
    QFETCH(int, workspace);
    QFETCH(QString, box);
    QFETCH(QString, next);
    onWorkspace(workspace, [&](auto& s, const ArchiveDefinition&, const QString&) {
      QLineEdit* b = s.box(box);
      b->setText(u"9"_s);
      QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() - 3, b->height() / 2));
      QCOMPARE(s.focused(), box);
      QCOMPARE(b->selectedText(), u"9"_s);
      QTest::keyClick(b, '4');
      QCOMPARE(b->text(), u"4"_s);
      QCOMPARE(s.focused(), next);
      // A second click, in the box that already has the focus, does the same.
      QTest::mouseClick(b, Qt::LeftButton);
      QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(1, b->height() / 2));
      QTest::keyClick(b, '7');
      QCOMPARE(b->text(), u"7"_s);
    });
  }

  // Pointing at a picture or icon that says nothing empties the help line,
  // as the background does; a box and its caption leave it as it is.
  void helpLineEmptiesOverPictures_data() {
    addWorkspaceColumn();
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("caption");
    QTest::newRow("acceptance title") << int(Acceptance) << "imgTitolo"
                                      << "lblMittenteCaption";
    QTest::newRow("acceptance sent icon") << int(Acceptance) << "imgInviata"
                                          << "lblDataCaption";
    QTest::newRow("acceptance recipient banner") << int(Acceptance) << "imgDestinatario"
                                                 << "lblCifreCaption";
    QTest::newRow("acceptance services banner") << int(Acceptance) << "imgServizi"
                                                << "lblLettereCaption";
    QTest::newRow("return receipt title") << int(ReturnReceipt) << "imgTitolo"
                                          << "lblEuroCaption";
    QTest::newRow("return receipt delivered icon") << int(ReturnReceipt) << "imgConsegnata"
                                                   << "lblUfficioCaption";
    QTest::newRow("return receipt banner") << int(ReturnReceipt) << "imgSpedizione"
                                           << "lblMittenteCaption";
    QTest::newRow("return receipt stamp") << int(ReturnReceipt) << "imgTimbro"
                                          << "lblContenutoCaption";
    QTest::newRow("address book help bar") << int(AddressBook) << "shpInfo"
                                           << "lblNoteCaption";
  }
  void helpLineEmptiesOverPictures() {
    QFETCH(int, workspace);
    QFETCH(QString, picture);
    QFETCH(QString, caption);
    onWorkspace(workspace, [&](auto& s, const ArchiveDefinition&, const QString&) {
      QLabel* line = s.label(u"panInfo"_s);
      QTest::mouseMove(s.window.template findChild<QWidget*>(u"cmdSalva"_s));
      QTRY_COMPARE(line->text(), u"Salva la scheda corrente in archivio."_s);
      QTest::mouseMove(s.label(caption));
      QTest::mouseMove(s.label(caption)->buddy());
      QCOMPARE(line->text(), u"Salva la scheda corrente in archivio."_s);
      QTest::mouseMove(s.window.template findChild<QWidget*>(picture));
      QTRY_COMPARE(line->text(), QString());
    });
  }
};

QTEST_MAIN(WorkspacesTest)
#include "tst_workspaces.moc"
