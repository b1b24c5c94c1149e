#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "archive/archiveerror.h"
#include "fixtures.h"
#include "support/pdfprintservice.h"
#include "support/pdfreadback.h"
#include "screenhelpers.h"
#include "search/tfrmconsegnate.h"
#include "search/tfrminviate.h"
#include "search/tfrmquestioni.h"
#include "support/poppler.h"
#include "support/recordingmessages.h"
#include "support/stripwatch.h"
#include "support/testfolder.h"

using namespace ScreenHelpers;
using Fixture::record;

namespace {

const QString kEmptyList = u"Ricerca non applicabile: la lista non contiene nessuna voce."_qs;

TSchedaAccettazione letter(const QString& recipient, const QString& sent,
                           const Fixture::Fields& more = {}) {
  auto r = record<TSchedaAccettazione>({{u"Destinatario"_qs, recipient}, {u"Inviata"_qs, sent},
                                        {u"Data"_qs, u"07/03/2026"_qs},
                                        {u"Mittente"_qs, u"Studio Neri"_qs},
                                        {u"Contenuto"_qs, u"Diffida"_qs}});
  for (const auto& [name, text] : more) r.setText(name, text);
  return r;
}

// The recipient's column of a receipt line.
QStringList recipients(const QStringList& lines) {
  QStringList names;
  for (const QString& line : lines) names << line.mid(57, 30).trimmed();
  return names;
}

}  // namespace

class StatusListTest : public QObject {
  Q_OBJECT
 private slots:
  // Which records each list shows, in archive order.
  void listsShowTheWaitingRecords_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QStringList>("listed");  // the first column's text of each line
    QTest::addColumn<QString>("caption");

    QTest::newRow("not sent") << 0 << acceptanceArchive().fileName
        << Fixture::bytes(QList<TSchedaAccettazione>{
               letter(u"Uno"_qs, u"No"_qs), letter(u"Due"_qs, u"Sì"_qs),
               letter(u"Tre"_qs, QString()), letter(u"Quattro"_qs, u"no"_qs),
               letter(u"Cinque"_qs, u"No"_qs)})
        << QStringList{u"Uno"_qs, u"Cinque"_qs} << u" Riepilogo raccomandate non inviate"_qs;

    auto item = [](const QString& recipient, const QString& delivered) {
      return record<TSchedaRicevimento>(
          {{u"Destinatario"_qs, recipient}, {u"Consegnata"_qs, delivered}});
    };
    QTest::newRow("not delivered") << 1 << returnReceiptArchive().fileName
        << Fixture::bytes(QList<TSchedaRicevimento>{item(u"Uno"_qs, u"Sì"_qs),
                                                    item(u"Due"_qs, u"No"_qs),
                                                    item(u"Tre"_qs, u"NO"_qs)})
        << QStringList{u"Due"_qs} << u" Riepilogo raccomandate non consegnate"_qs;

    auto card = [](const QString& name, const QString& matters) {
      return record<TSchedaAnagrafica>({{u"Nome"_qs, name}, {u"Questioni"_qs, matters}});
    };
    QTest::newRow("pending matters") << 2 << addressBookArchive().fileName
        << Fixture::bytes(QList<TSchedaAnagrafica>{card(u"Uno"_qs, u"Sollecito"_qs),
                                                   card(u"Due"_qs, QString()),
                                                   card(u"Tre"_qs, u"No"_qs)})
        << QStringList{u"Uno"_qs, u"Tre"_qs} << u" Riepilogo questioni in sospeso"_qs;
  }
  void listsShowTheWaitingRecords() {
    QFETCH(int, screen);
    QFETCH(QString, file);
    QFETCH(QByteArray, archive);
    QFETCH(QStringList, listed);
    TestFolder folder;
    folder.write(file, archive);
    QWidget editor;
    std::unique_ptr<QDialog> s;
    if (screen == 0) s = std::make_unique<TfrmInviate>(&editor);
    if (screen == 1) s = std::make_unique<TfrmConsegnate>(&editor);
    if (screen == 2) s = std::make_unique<TfrmQuestioni>(&editor);
    s->show();

    QFETCH(QString, caption);
    QCOMPARE(s->windowTitle(), caption);
    QCOMPARE(s->size(), QSize(862, 560));
    const QStringList shown = lines(s.get());
    if (screen == 2) {
      QStringList names;
      for (const QString& line : shown) names << line.left(28).trimmed();
      QCOMPARE(names, listed);
      QVERIFY(shown.first().endsWith(u"Cel."_qs + QString(15 + 3, u' ') + u"Sollecito"_qs));
    } else {
      QCOMPARE(recipients(shown), listed);
    }
    QCOMPARE(s->focusWidget(), s->findChild<QLineEdit*>(u"txtTrova"_qs));
    // Lines use the fixed-pitch font so that the columns line up.
    QCOMPARE(lineFont(s.get(), 0).family(), u"Courier New"_qs);
    QCOMPARE(lineFont(s.get(), 0).pointSize(), 12);
  }

  void missingArchiveGivesAnEmptyListAndFindSaysSo() {
    TestFolder folder;
    RecordingMessages messages;
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();
    QVERIFY(lines(&s).isEmpty());
    QVERIFY(folder.exists(acceptanceArchive().fileName));

    click(&s, u"btnTrova"_qs);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, RecordingMessages::Form::Plain);
    QCOMPARE(messages.last().text, kEmptyList);
  }

  void unreadableArchiveIsSwallowed() {
    TestFolder folder;
    RecordingMessages messages;
    folder.write(acceptanceArchive().fileName, letter(u"Uno"_qs, u"No"_qs).bytes());
    folder.makeReadOnly(acceptanceArchive().fileName);
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();
    QVERIFY(lines(&s).isEmpty());
    QCOMPARE(messages.count(), 0);
    QVERIFY(s.isVisible());
  }

  // Minimised and restored by the window system, the list is not read
  // again: the lines, the choice, the find text and the place stay.
  void restoringTheWindowKeepsWhatTheUserDid() {
    TestFolder folder;
    folder.write(acceptanceArchive().fileName,
                 Fixture::bytes(QList<TSchedaAccettazione>{
                     letter(u"Rossi"_qs, u"No"_qs), letter(u"Bianchi"_qs, u"No"_qs),
                     letter(u"Rossetti"_qs, u"No"_qs)}));
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    auto* find = s.findChild<QLineEdit*>(u"txtTrova"_qs);
    find->setText(u"ross"_qs);
    click(&s, u"btnTrova"_qs);
    QCOMPARE(chosenRow(&s), 0);
    const QPoint movedTo = s.pos() + QPoint(37, 23);
    s.move(movedTo);
    folder.write(acceptanceArchive().fileName,
                 Fixture::bytes(QList<TSchedaAccettazione>{letter(u"Verdi"_qs, u"No"_qs)}));

    s.showMinimized();
    QTRY_VERIFY(s.isMinimized());
    s.showNormal();
    QTRY_VERIFY(!s.isMinimized());

    QCOMPARE(recipients(lines(&s)), (QStringList{u"Rossi"_qs, u"Bianchi"_qs, u"Rossetti"_qs}));
    QCOMPARE(chosenRow(&s), 0);
    QCOMPARE(find->text(), u"ross"_qs);
    QCOMPARE(s.pos(), movedTo);
    // The remembered find text survived too: Trova goes on to the next line.
    click(&s, u"btnTrova"_qs);
    QCOMPARE(chosenRow(&s), 2);
  }

  void enterMovesToTrovaAndEachPressFindsTheNextLine() {
    TestFolder folder;
    folder.write(acceptanceArchive().fileName,
                 Fixture::bytes(QList<TSchedaAccettazione>{
                     letter(u"Grossi"_qs, u"No"_qs), letter(u"Bianchi"_qs, u"No"_qs),
                     letter(u"Rossi"_qs, u"No"_qs)}));
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();
    QApplication::setActiveWindow(&s);
    QVERIFY(QTest::qWaitForWindowActive(&s));

    auto* find = s.findChild<QLineEdit*>(u"txtTrova"_qs);
    QTest::keyClicks(find, u"ROSS"_qs);
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"btnTrova"_qs);
    QCOMPARE(chosenRow(&s), -1);  // Enter alone does not find

    // Enter on the focused button presses it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QList<int> chosen{chosenRow(&s)};
    for (int press = 0; press < 2; ++press) {
      click(&s, u"btnTrova"_qs);
      chosen << chosenRow(&s);
    }
    QCOMPARE(chosen, (QList<int>{0, 2, 0}));
  }

  // The later of two records with the same line wins, even one already sent;
  // it replaces everything on the editor and gives its number.
  void doubleClickLoadsTheLastRecordWithTheChosenLine() {
    TestFolder folder;
    const auto first = letter(u"Verdi"_qs, u"No"_qs, {{u"Cifre"_qs, u"10"_qs}});
    const auto later = letter(u"Verdi"_qs, u"Sì"_qs,
                              {{u"Cifre"_qs, u"20"_qs}, {u"File01"_qs, u"prova.pdf"_qs},
                               {u"Avviso"_qs, u"Sì"_qs}, {u"Vaglia"_qs, u"No"_qs}});
    folder.write(acceptanceArchive().fileName,
                 Fixture::bytes(QList<TSchedaAccettazione>{
                     first, letter(u"Gialli"_qs, u"No"_qs), later}));
    Fixture::Editor editor(acceptanceLayout());
    editor.setText(u"txtNumDes"_qs, u"99"_qs);  // an unsaved edit, dropped
    editor.check(u"chkVaglia"_qs)->setChecked(true);
    editor.check(u"chkContrassegno"_qs)->setChecked(true);
    TfrmInviate s(&editor, &editor);
    s.show();
    QCOMPARE(recipients(lines(&s)), (QStringList{u"Verdi"_qs, u"Gialli"_qs}));

    doubleClickRow(&s, 0);
    QVERIFY(!s.isVisible());
    QVERIFY(lines(&s).isEmpty());  // closing empties the list
    QCOMPARE(editor.position(), u"3"_qs);
    QCOMPARE(editor.text(u"txtCifre"_qs), u"20"_qs);
    QCOMPARE(editor.text(u"txtNumDes"_qs), QString());
    QCOMPARE(editor.label(u"lblFile01"_qs), u"prova.pdf"_qs);
    QVERIFY(editor.check(u"chkInviata"_qs)->isChecked());
    QVERIFY(editor.check(u"chkAvviso"_qs)->isChecked());
    QVERIFY(!editor.check(u"chkVaglia"_qs)->isChecked());
    // A flag holding neither "Sì" nor "No" leaves its check box alone.
    QVERIFY(editor.check(u"chkContrassegno"_qs)->isChecked());
  }

  void doubleClickFailuresCloseSilently_data() {
    QTest::addColumn<bool>("lineChosen");
    QTest::addColumn<bool>("archiveLocked");
    QTest::newRow("no line chosen") << false << false;
    QTest::newRow("archive cannot be opened") << true << true;
  }
  void doubleClickFailuresCloseSilently() {
    QFETCH(bool, lineChosen);
    QFETCH(bool, archiveLocked);
    TestFolder folder;
    RecordingMessages messages;
    folder.write(returnReceiptArchive().fileName,
                 record<TSchedaRicevimento>({{u"Destinatario"_qs, u"Uno"_qs},
                                             {u"Consegnata"_qs, u"No"_qs}})
                     .bytes());
    Fixture::Editor editor(returnReceiptLayout());
    editor.setText(u"txtDestinatario"_qs, u"prima"_qs);
    TfrmConsegnate s(&editor, &editor);
    s.show();
    QCOMPARE(lines(&s).size(), 1);
    if (archiveLocked) folder.makeReadOnly(returnReceiptArchive().fileName);

    if (lineChosen)
      doubleClickRow(&s, 0);
    else
      doubleClickBelowTheLines(&s);
    QVERIFY(!s.isVisible());
    QCOMPARE(messages.count(), 0);
    QCOMPARE(editor.text(u"txtDestinatario"_qs), u"prima"_qs);
    QCOMPARE(editor.position(), QString());
  }

  void summaryPrintsTitleLinesAndDate() {
    REQUIRE_POPPLER();
    TestFolder folder;
    folder.write(addressBookArchive().fileName,
                 Fixture::bytes(QList<TSchedaAnagrafica>{
                     record<TSchedaAnagrafica>({{u"Nome"_qs, u"Rossi Mario"_qs},
                                                {u"Questioni"_qs, u"Fattura 12 da saldare"_qs}}),
                     record<TSchedaAnagrafica>({{u"Nome"_qs, u"Bianchi Anna"_qs},
                                                {u"Questioni"_qs, u"Contratto"_qs}})}));
    const QString pdf = folder.filePath(u"riepilogo.pdf"_qs);
    PdfPrintService printer(pdf);
    QWidget editor;
    TfrmQuestioni s(&editor);
    s.show();
    click(&s, u"btnStampa"_qs);

    QCOMPARE(printer.documentNames, QStringList{u"Riepilogo dati"_qs});
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(u"Riepilogo questioni in sospeso"_qs), qPrintable(text));
    QVERIFY(text.contains(u"Rossi Mario"_qs));
    QVERIFY(text.contains(u"Fattura 12 da saldare"_qs));
    QVERIFY(text.contains(u"Bianchi Anna"_qs));
    QVERIFY(text.indexOf(u"Rossi Mario"_qs) < text.indexOf(u"Bianchi Anna"_qs));
    QVERIFY(text.contains(u"Stampa eseguita in data "_qs +
                          QDate::currentDate().toString(u"dd/MM/yyyy"_qs)));
  }

  // A long summary print counts its pages where the hint line was, and
  // gives the line back when it is done.
  void aLongSummaryPrintShowsItsProgress() {
    TestFolder folder;
    QList<TSchedaAccettazione> letters;
    for (int i = 0; i < 120; ++i) letters << letter(u"Destinatario %1"_qs.arg(i), u"No"_qs);
    folder.write(acceptanceArchive().fileName, Fixture::bytes(letters));
    PdfPrintService printer(folder.filePath(u"riepilogo.pdf"_qs));
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();
    auto* strip = s.findChild<ProgressStrip*>(u"prgStampa"_qs);
    QVERIFY(strip);
    strip->setDelay(0);
    StripWatch watch(strip);
    click(&s, u"btnStampa"_qs);

    QCOMPARE(printer.jobs.size(), size_t(1));
    const int pages = int(printer.jobs.front().size());
    QVERIFY(pages >= 3);
    QVERIFY2(watch.shown.contains(u"Pagine stampate: 1 su %1"_qs.arg(pages)),
             qPrintable(watch.shown.join(u'|')));
    QVERIFY(strip->isHidden());
    QVERIFY(s.findChild<QLabel*>(u"lblRigo03"_qs)->isVisible());
  }

  // A letter whose fields hold line breaks (an older or foreign archive)
  // gives one list line and one printed row, and no letter after it goes
  // missing from the printed list.
  void lineBreaksInRecordsKeepOneLineAndOneRowEach() {
    REQUIRE_POPPLER();
    TestFolder folder;
    folder.write(acceptanceArchive().fileName,
                 Fixture::bytes(QList<TSchedaAccettazione>{
                     letter(u"Uno"_qs, u"No"_qs),
                     letter(u"Due"_qs, u"No"_qs,
                            {{u"Mittente"_qs, u"Studio\r\nNeri"_qs},
                             {u"Contenuto"_qs, u"Diffida\r\nsecondo avviso\r\nurgente"_qs}}),
                     letter(u"Tre"_qs, u"No"_qs)}));
    const QString pdf = folder.filePath(u"riepilogo.pdf"_qs);
    PdfPrintService printer(pdf);
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();

    const QStringList shown = lines(&s);
    QCOMPARE(recipients(shown), (QStringList{u"Uno"_qs, u"Due"_qs, u"Tre"_qs}));
    QVERIFY(shown[1].endsWith(u"Contenuto: Diffida secondo avviso urgente"_qs));
    QCOMPARE(line(&s, 1).data().toString().count(u'\n'), 0);

    click(&s, u"btnStampa"_qs);
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(u"secondo avviso urgente"_qs), qPrintable(text));
    QVERIFY2(text.contains(u"A: Tre"_qs), qPrintable(text));
  }
};

QTEST_MAIN(StatusListTest)
#include "tst_liststatus.moc"
