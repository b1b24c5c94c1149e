#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "archive/archiveerror.h"
#include "archive/tscheda.h"
#include "editors/editorworkflow.h"
#include "editors/tfrmaccettazione.h"
#include "editortexts.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using Form = RecordingMessages::Form;

namespace {

const QString kArchive = u"Ricevute_Accettazione.pro"_s;

QByteArray receipts(int count) {
  QByteArray bytes;
  for (int i = 1; i <= count; ++i) {
    TSchedaAccettazione r;
    r.setText(u"Destinatario", u"Destinatario %1"_s.arg(i));
    r.setFlag(u"Inviata", i % 2 == 0);
    bytes += r.bytes();
  }
  return bytes;
}

// The acceptance workspace on a program folder of its own.
struct Screen {
  TestFolder folder;
  RecordingMessages messages;
  TfrmAccettazione window;

  Screen() {
    window.show();
    QApplication::setActiveWindow(&window);
  }
  template <typename T = QLineEdit>
  T* get(const QString& name) {
    T* w = window.findChild<T*>(name);
    if (!w) qFatal("no control %s", qPrintable(name));
    return w;
  }
  QString label() { return get<QLabel>(u"lblPosizione"_s)->text(); }
  void setLabel(const QString& text) { get<QLabel>(u"lblPosizione"_s)->setText(text); }
  QString recipient() { return get(u"txtDestinatario"_s)->text(); }
  void type(const QString& box, const QString& text) { get(box)->setText(text); }
  void fillMandatory() {
    type(u"txtDestinatario"_s, u"Mario Rossi"_s);
    type(u"txtMittente"_s, u"Studio Bianchi"_s);
    type(u"txtData"_s, u"09/12/2026"_s);
    type(u"txtContenuto"_s, u"Diffida"_s);
  }
  TSchedaAccettazione record(int n) {
    TSchedaAccettazione r;
    r.bytes() = folder.read(kArchive).mid((n - 1) * 3520, 3520);
    return r;
  }
};

}  // namespace

class EditorWorkflowTest : public QObject {
  Q_OBJECT
 private slots:
  void navigation_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("startLabel");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("recipient");  // "-" when the card is not touched
    QTest::addColumn<bool>("emptyMessage");

    // clang-format off
    QTest::newRow("first, empty archive") << 0 << "" << "first" << "" << "-" << true;
    QTest::newRow("last, empty archive") << 0 << "" << "last" << "" << "-" << true;
    QTest::newRow("previous, empty archive") << 0 << "" << "previous" << "" << "-" << true;
    QTest::newRow("next, empty archive, new card") << 0 << "" << "next" << "" << "-" << true;
    QTest::newRow("next, empty archive, empties label") << 0 << "4" << "next" << "" << "-" << true;
    QTest::newRow("first") << 3 << "2" << "first" << "1" << "Destinatario 1" << false;
    QTest::newRow("last") << 3 << "" << "last" << "3" << "Destinatario 3" << false;
    QTest::newRow("next on a new card shows the first") << 3 << "" << "next" << "1"
                                                        // clang-format on
                                                        << "Destinatario 1" << false;
    QTest::newRow("previous on a new card shows the first") << 3 << ""
                                                            << "previous"
                                                            << "1"
                                                            << "Destinatario 1" << false;
    // clang-format off
    QTest::newRow("next") << 3 << "1" << "next" << "2" << "Destinatario 2" << false;
    QTest::newRow("previous") << 3 << "3" << "previous" << "2" << "Destinatario 2" << false;
    QTest::newRow("previous on the first does nothing") << 3 << "1" << "previous" << "1" << "-"
                                                        << false;
    QTest::newRow("next on the last does nothing") << 3 << "3" << "next" << "3" << "-" << false;
    // clang-format on
  }
  void navigation() {
    QFETCH(int, records);
    QFETCH(QString, startLabel);
    QFETCH(QString, action);
    QFETCH(QString, label);
    QFETCH(QString, recipient);
    QFETCH(bool, emptyMessage);

    Screen s;
    s.folder.write(kArchive, receipts(records));
    s.setLabel(startLabel);
    s.type(u"txtDestinatario"_s, u"on screen"_s);
    EditorWorkflow* w = s.window.workflow();
    if (action == u"first") w->first();
    if (action == u"last") w->last();
    if (action == u"next") w->next();
    if (action == u"previous") w->previous();

    QCOMPARE(s.label(), label);
    QCOMPARE(s.recipient(), recipient == u"-" ? u"on screen"_s : recipient);
    if (emptyMessage) {
      QCOMPARE(s.messages.count(), 1);
      QCOMPARE(s.messages.last().form, Form::Information);
      QCOMPARE(s.messages.last().text, EditorTexts::kEmptyArchive);
    } else {
      QCOMPARE(s.messages.count(), 0);
    }
  }

  void readingFillsEveryControlAndFlagsOnlyWhenKnown() {
    Screen s;
    TSchedaAccettazione r;
    r.setText(u"CapDes03", u"1"_s);
    r.setText(u"File02", u"contratto.pdf"_s);
    r.setFlag(u"Avviso", true);
    r.setText(u"Inviata", u"?"_s);  // neither "Sì" nor "No"
    s.folder.write(kArchive, r.bytes());
    s.get<QCheckBox>(u"chkInviata"_s)->setChecked(true);
    s.type(u"txtMittente"_s, u"left over"_s);
    s.window.workflow()->first();
    QCOMPARE(s.get(u"txtCapDes03"_s)->text(), u"1"_s);
    QCOMPARE(s.get(u"txtMittente"_s)->text(), QString());
    QCOMPARE(s.get<QLabel>(u"lblFile02"_s)->text(), u"contratto.pdf"_s);
    QVERIFY(s.get<QCheckBox>(u"chkAvviso"_s)->isChecked());
    QVERIFY(s.get<QCheckBox>(u"chkInviata"_s)->isChecked());
  }

  void saveAppendsThenOverwrites() {
    Screen s;
    s.folder.write(kArchive, receipts(2));
    s.fillMandatory();
    s.window.workflow()->save();
    QCOMPARE(s.label(), u"3"_s);
    QCOMPARE(s.messages.last().text, EditorTexts::kAppended);
    QCOMPARE(s.messages.last().form, Form::Information);
    s.type(u"txtContenuto"_s, u"  Sollecito  "_s);
    s.window.workflow()->save();
    QCOMPARE(s.label(), u"3"_s);
    QCOMPARE(s.messages.last().text, EditorTexts::kOverwritten);
    QCOMPARE(s.folder.read(kArchive).size(), 3 * 3520);
    QCOMPARE(s.record(3).text(u"Contenuto"), u"Sollecito"_s);
    // The box keeps what was typed, blanks included.
    QCOMPARE(s.get(u"txtContenuto"_s)->text(), u"  Sollecito  "_s);
  }

  void mandatoryFieldsInOrder_data() {
    QTest::addColumn<QStringList>("blank");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("focus");
    QTest::newRow("recipient") << QStringList{u"txtDestinatario"_s}
                               << EditorTexts::kMissingRecipient << u"txtDestinatario"_s;
    QTest::newRow("sender, blanks only")
        << QStringList{u"txtMittente"_s} << EditorTexts::kMissingSender << u"txtMittente"_s;
    QTest::newRow("date") << QStringList{u"txtData"_s} << EditorTexts::kMissingDate << u"txtData"_s;
    QTest::newRow("content") << QStringList{u"txtContenuto"_s} << EditorTexts::kMissingContent
                             << u"txtContenuto"_s;
    QTest::newRow("several: only the first") << QStringList{u"txtContenuto"_s, u"txtMittente"_s}
                                             << EditorTexts::kMissingSender << u"txtMittente"_s;
  }
  void mandatoryFieldsInOrder() {
    QFETCH(QStringList, blank);
    QFETCH(QString, warning);
    QFETCH(QString, focus);
    Screen s;
    s.fillMandatory();
    for (const QString& box : blank) s.type(box, u"  \t "_s);
    s.window.workflow()->save();
    QCOMPARE(s.messages.count(), 1);
    QCOMPARE(s.messages.last().form, Form::Warning);
    QCOMPARE(s.messages.last().text, warning);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(!s.folder.exists(kArchive));
    QCOMPARE(s.label(), QString());
  }

  void readOnlyArchiveKeepsTheLabelSoSaveRepeats() {
    Screen s;
    s.folder.write(kArchive, receipts(2));
    s.folder.makeReadOnly(kArchive);
    s.fillMandatory();
    s.window.workflow()->save();
    QCOMPARE(s.messages.last().form, Form::Error);
    QCOMPARE(s.messages.last().text, kArchiveAccessMessage);
    QCOMPARE(s.label(), QString());
    s.setLabel(u"2"_s);
    s.window.workflow()->save();
    QCOMPARE(s.messages.last().text, kArchiveAccessMessage);
    QCOMPARE(s.label(), u"2"_s);
    QCOMPARE(s.folder.read(kArchive), receipts(2));
  }

  void positionLabelThatIsNoNumberIsAnArchiveFailure() {
    Screen s;
    s.folder.write(kArchive, receipts(2));
    s.fillMandatory();
    for (auto action : {&EditorWorkflow::save, &EditorWorkflow::next, &EditorWorkflow::previous}) {
      s.setLabel(u"x7"_s);
      (s.window.workflow()->*action)();
      QCOMPARE(s.messages.last().form, Form::Error);
      QCOMPARE(s.messages.last().text, kArchiveAccessMessage);
    }
    QCOMPARE(s.folder.read(kArchive), receipts(2));
  }

  void duplicateThenSaveAppendsACopyWithoutAttachments() {
    Screen s;
    TSchedaAccettazione original;
    original.setText(u"Destinatario", u"Mario Rossi"_s);
    original.setText(u"Mittente", u"Studio Bianchi"_s);
    original.setText(u"Data", u"01/12/2026"_s);
    original.setText(u"Contenuto", u"Diffida"_s);
    original.setFlag(u"Avviso", true);
    original.setText(u"File01", u"scansione.pdf"_s);
    original.setText(u"Desc01", u"Ricevuta timbrata"_s);
    s.folder.write(kArchive, original.bytes());

    s.window.workflow()->duplicate();
    QCOMPARE(s.messages.last().form, Form::Warning);
    QCOMPARE(s.messages.last().text, EditorTexts::kDuplicateNotArchived);

    s.window.workflow()->first();
    s.window.workflow()->duplicate();
    QCOMPARE(s.messages.last().form, Form::Information);
    QCOMPARE(s.messages.last().text, EditorTexts::kDuplicated);
    QCOMPARE(s.label(), QString());
    QCOMPARE(s.get<QLabel>(u"lblFile01"_s)->text(), QString());
    QCOMPARE(s.recipient(), u"Mario Rossi"_s);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"txtDestinatario"_s);

    s.window.workflow()->save();
    QCOMPARE(s.label(), u"2"_s);
    QCOMPARE(s.folder.read(kArchive).left(3520), original.bytes());
    const TSchedaAccettazione copy = s.record(2);
    QCOMPARE(copy.text(u"Destinatario"), u"Mario Rossi"_s);
    QCOMPARE(copy.flag(u"Avviso"), std::optional<bool>(true));
    QCOMPARE(copy.text(u"File01"), QString());
    QCOMPARE(copy.text(u"Desc01"), QString());
  }

  void clearEmptiesTheCardWithoutAsking() {
    Screen s;
    s.fillMandatory();
    s.get<QCheckBox>(u"chkVaglia"_s)->setChecked(true);
    s.get<QLabel>(u"lblDesc03"_s)->setText(u"nota"_s);
    s.setLabel(u"5"_s);
    s.window.workflow()->clear();
    QCOMPARE(s.recipient(), QString());
    QVERIFY(!s.get<QCheckBox>(u"chkVaglia"_s)->isChecked());
    QCOMPARE(s.get<QLabel>(u"lblDesc03"_s)->text(), QString());
    QCOMPARE(s.label(), QString());
    QCOMPARE(s.messages.count(), 0);
  }
};

QTEST_MAIN(EditorWorkflowTest)
#include "tst_editorworkflow.moc"
