#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "archive/archiveerror.h"
#include "fixtures.h"
#include "screenhelpers.h"
#include "search/tfrmconsegnate.h"
#include "search/tfrminviate.h"
#include "search/tfrmquestioni.h"
#include "support/pdfprintservice.h"
#include "support/pdfreadback.h"
#include "support/poppler.h"
#include "support/recordingmessages.h"
#include "support/smalldisk.h"
#include "support/stripwatch.h"
#include "support/testfolder.h"

using namespace velinda;

using namespace Qt::StringLiterals;

using namespace ScreenHelpers;
using Fixture::record;

namespace {

const QString kArchiveAccess =
    u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
    "programma."_s;

const QString kEmptyList = u"Ricerca non applicabile: la lista non contiene nessuna voce."_s;

TSchedaAccettazione letter(const QString& recipient, const QString& sent,
                           const Fixture::Fields& more = {}) {
  auto r = record<TSchedaAccettazione>({{u"Destinatario"_s, recipient},
                                        {u"Inviata"_s, sent},
                                        {u"Data"_s, u"07/03/2026"_s},
                                        {u"Mittente"_s, u"Studio Neri"_s},
                                        {u"Contenuto"_s, u"Diffida"_s}});
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
                                     letter(u"Uno"_s, u"No"_s), letter(u"Due"_s, u"Sì"_s),
                                     letter(u"Tre"_s, QString()), letter(u"Quattro"_s, u"no"_s),
                                     letter(u"Cinque"_s, u"No"_s)})
                              << QStringList{u"Uno"_s, u"Cinque"_s}
                              << u" Riepilogo raccomandate non inviate"_s;

    auto item = [](const QString& recipient, const QString& delivered) {
      return record<TSchedaRicevimento>(
          {{u"Destinatario"_s, recipient}, {u"Consegnata"_s, delivered}});
    };
    QTest::newRow("not delivered")
        << 1 << returnReceiptArchive().fileName
        << Fixture::bytes(QList<TSchedaRicevimento>{
               item(u"Uno"_s, u"Sì"_s), item(u"Due"_s, u"No"_s), item(u"Tre"_s, u"NO"_s)})
        << QStringList{u"Due"_s} << u" Riepilogo raccomandate non consegnate"_s;

    auto card = [](const QString& name, const QString& matters) {
      return record<TSchedaAnagrafica>({{u"Nome"_s, name}, {u"Questioni"_s, matters}});
    };
    QTest::newRow("pending matters")
        << 2 << addressBookArchive().fileName
        << Fixture::bytes(QList<TSchedaAnagrafica>{
               card(u"Uno"_s, u"Sollecito"_s), card(u"Due"_s, QString()), card(u"Tre"_s, u"No"_s)})
        << QStringList{u"Uno"_s, u"Tre"_s} << u" Riepilogo questioni in sospeso"_s;
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
      QVERIFY(shown.first().endsWith(u"Cel."_s + QString(15 + 3, u' ') + u"Sollecito"_s));
    } else {
      QCOMPARE(recipients(shown), listed);
    }
    QCOMPARE(s->focusWidget(), s->findChild<QLineEdit*>(u"txtTrova"_s));
    // Lines use the fixed-pitch font so that the columns line up.
    QCOMPARE(lineFont(s.get(), 0).family(), u"Courier New"_s);
    QCOMPARE(lineFont(s.get(), 0).pointSize(), 12);
  }

  // The banner is drawn for a white ground: on the blue of the screen its
  // pale subtitle all but vanished.
  void theBannerLiesOnWhite() {
    TestFolder folder;
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();
    auto* banner = s.findChild<QLabel*>(u"imgLogo"_s);
    QVERIFY(banner);
    // As the screen shows it, whatever lies behind the picture included.
    const QImage shown = s.grab(QRect(banner->mapTo(&s, QPoint()), banner->size())).toImage();
    int white = 0;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) white += shown.pixel(x, y) == qRgb(255, 255, 255);
    QVERIFY2(white > shown.width() * shown.height() / 2, qPrintable(QString::number(white)));
  }

  void missingArchiveGivesAnEmptyListAndFindSaysSo() {
    TestFolder folder;
    RecordingMessages messages;
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();
    QVERIFY(lines(&s).isEmpty());
    QVERIFY(folder.exists(acceptanceArchive().fileName));

    click(&s, u"btnTrova"_s);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, RecordingMessages::Form::Plain);
    QCOMPARE(messages.last().text, kEmptyList);
  }

  // A full disk takes nothing away from reading: the letters waiting are
  // all listed, without a word.
  void aFullDiskStillListsEveryLetter() {
    SmallDisk disk(256);
    if (!disk.isMounted()) QSKIP(qPrintable(disk.whyNotMounted()));
    TestFolder folder(disk.path());
    RecordingMessages messages;
    folder.write(
        acceptanceArchive().fileName,
        Fixture::bytes(QList<TSchedaAccettazione>{
            letter(u"Uno"_s, u"No"_s), letter(u"Due"_s, u"No"_s), letter(u"Tre"_s, u"No"_s)}));
    disk.fill();
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();
    QCOMPARE(recipients(lines(&s)), (QStringList{u"Uno"_s, u"Due"_s, u"Tre"_s}));
    QCOMPARE(messages.count(), 0);
    QVERIFY(s.isVisible());
  }

  // A list that lacks records would say they wait for nothing: the user is
  // told, and the list goes.
  void anUnreadableArchiveIsReportedAndTheListCloses() {
    TestFolder folder;
    RecordingMessages messages;
    // A folder where the archive should be: no system lets it be read as one.
    QVERIFY(QDir(folder.path()).mkdir(acceptanceArchive().fileName));
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().form, RecordingMessages::Form::Plain);
    QCOMPARE(messages.last().text, kArchiveAccess);
    QTRY_VERIFY(!s.isVisible());
  }

  // Minimised and restored by the window system, the list is not read
  // again: the lines, the choice, the find text and the place stay.
  void restoringTheWindowKeepsWhatTheUserDid() {
    TestFolder folder;
    folder.write(acceptanceArchive().fileName,
                 Fixture::bytes(QList<TSchedaAccettazione>{letter(u"Rossi"_s, u"No"_s),
                                                           letter(u"Bianchi"_s, u"No"_s),
                                                           letter(u"Rossetti"_s, u"No"_s)}));
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    auto* find = s.findChild<QLineEdit*>(u"txtTrova"_s);
    find->setText(u"ross"_s);
    click(&s, u"btnTrova"_s);
    QCOMPARE(chosenRow(&s), 0);
    const QPoint movedTo = s.pos() + QPoint(37, 23);
    s.move(movedTo);
    folder.write(acceptanceArchive().fileName,
                 Fixture::bytes(QList<TSchedaAccettazione>{letter(u"Verdi"_s, u"No"_s)}));

    s.showMinimized();
    QTRY_VERIFY(s.isMinimized());
    s.showNormal();
    QTRY_VERIFY(!s.isMinimized());

    QCOMPARE(recipients(lines(&s)), (QStringList{u"Rossi"_s, u"Bianchi"_s, u"Rossetti"_s}));
    QCOMPARE(chosenRow(&s), 0);
    QCOMPARE(find->text(), u"ross"_s);
    QCOMPARE(s.pos(), movedTo);
    // The remembered find text survived too: Trova goes on to the next line.
    click(&s, u"btnTrova"_s);
    QCOMPARE(chosenRow(&s), 2);
  }

  void enterMovesToTrovaAndEachPressFindsTheNextLine() {
    TestFolder folder;
    folder.write(acceptanceArchive().fileName,
                 Fixture::bytes(QList<TSchedaAccettazione>{letter(u"Grossi"_s, u"No"_s),
                                                           letter(u"Bianchi"_s, u"No"_s),
                                                           letter(u"Rossi"_s, u"No"_s)}));
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();
    QApplication::setActiveWindow(&s);
    QVERIFY(QTest::qWaitForWindowActive(&s));

    auto* find = s.findChild<QLineEdit*>(u"txtTrova"_s);
    QTest::keyClicks(find, u"ROSS"_s);
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"btnTrova"_s);
    QCOMPARE(chosenRow(&s), -1);  // Enter alone does not find

    // Enter on the focused button presses it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QList<int> chosen{chosenRow(&s)};
    for (int press = 0; press < 2; ++press) {
      click(&s, u"btnTrova"_s);
      chosen << chosenRow(&s);
    }
    QCOMPARE(chosen, (QList<int>{0, 2, 0}));
  }

  // The later of two records with the same line wins, even one already sent;
  // it replaces everything on the editor and gives its number.
  void doubleClickLoadsTheLastRecordWithTheChosenLine() {
    TestFolder folder;
    const auto first = letter(u"Verdi"_s, u"No"_s, {{u"Cifre"_s, u"10"_s}});
    const auto later = letter(u"Verdi"_s, u"Sì"_s,
                              {{u"Cifre"_s, u"20"_s},
                               {u"File01"_s, u"prova.pdf"_s},
                               {u"Avviso"_s, u"Sì"_s},
                               {u"Vaglia"_s, u"No"_s}});
    folder.write(acceptanceArchive().fileName, Fixture::bytes(QList<TSchedaAccettazione>{
                                                   first, letter(u"Gialli"_s, u"No"_s), later}));
    Fixture::Editor editor(acceptanceLayout());
    editor.setText(u"txtNumDes"_s, u"99"_s);  // an unsaved edit, dropped
    editor.check(u"chkVaglia"_s)->setChecked(true);
    editor.check(u"chkContrassegno"_s)->setChecked(true);
    TfrmInviate s(&editor, &editor);
    s.show();
    QCOMPARE(recipients(lines(&s)), (QStringList{u"Verdi"_s, u"Gialli"_s}));

    doubleClickRow(&s, 0);
    QVERIFY(!s.isVisible());
    QVERIFY(lines(&s).isEmpty());  // closing empties the list
    QCOMPARE(editor.position(), u"3"_s);
    QCOMPARE(editor.text(u"txtCifre"_s), u"20"_s);
    QCOMPARE(editor.text(u"txtNumDes"_s), QString());
    QCOMPARE(editor.label(u"lblFile01"_s), u"prova.pdf"_s);
    QVERIFY(editor.check(u"chkInviata"_s)->isChecked());
    QVERIFY(editor.check(u"chkAvviso"_s)->isChecked());
    QVERIFY(!editor.check(u"chkVaglia"_s)->isChecked());
    // A flag holding neither "Sì" nor "No" leaves its check box alone.
    QVERIFY(editor.check(u"chkContrassegno"_s)->isChecked());
  }

  // A double click away from the lines closes the list; one on a line that
  // cannot be read again says so and leaves the list for another try. The
  // editor is as it was either way.
  void doubleClickFailures_data() {
    QTest::addColumn<bool>("lineChosen");
    QTest::addColumn<bool>("archiveGone");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<bool>("listStays");
    QTest::newRow("no line chosen") << false << false << QStringList() << false;
    QTest::newRow("archive cannot be read") << true << true << QStringList{kArchiveAccess} << true;
  }
  void doubleClickFailures() {
    QFETCH(bool, lineChosen);
    QFETCH(bool, archiveGone);
    TestFolder folder;
    RecordingMessages messages;
    folder.write(
        returnReceiptArchive().fileName,
        record<TSchedaRicevimento>({{u"Destinatario"_s, u"Uno"_s}, {u"Consegnata"_s, u"No"_s}})
            .bytes());
    Fixture::Editor editor(returnReceiptLayout());
    editor.setText(u"txtDestinatario"_s, u"prima"_s);
    TfrmConsegnate s(&editor, &editor);
    s.show();
    QCOMPARE(lines(&s).size(), 1);
    if (archiveGone) {
      QVERIFY(QFile::remove(folder.filePath(returnReceiptArchive().fileName)));
      QVERIFY(QDir(folder.path()).mkdir(returnReceiptArchive().fileName));
    }

    if (lineChosen)
      doubleClickRow(&s, 0);
    else
      doubleClickBelowTheLines(&s);
    QFETCH(QStringList, said);
    QFETCH(bool, listStays);
    QStringList texts;
    for (const auto& entry : messages.entries) texts << entry.text;
    QCOMPARE(texts, said);
    QCOMPARE(s.isVisible(), listStays);
    QCOMPARE(editor.text(u"txtDestinatario"_s), u"prima"_s);
    QCOMPARE(editor.position(), QString());
  }

  void summaryPrintsTitleLinesAndDate() {
    REQUIRE_POPPLER();
    TestFolder folder;
    folder.write(addressBookArchive().fileName,
                 Fixture::bytes(QList<TSchedaAnagrafica>{
                     record<TSchedaAnagrafica>({{u"Nome"_s, u"Rossi Mario"_s},
                                                {u"Questioni"_s, u"Fattura 12 da saldare"_s}}),
                     record<TSchedaAnagrafica>(
                         {{u"Nome"_s, u"Bianchi Anna"_s}, {u"Questioni"_s, u"Contratto"_s}})}));
    const QString pdf = folder.filePath(u"riepilogo.pdf"_s);
    PdfPrintService printer(pdf);
    QWidget editor;
    TfrmQuestioni s(&editor);
    s.show();
    click(&s, u"btnStampa"_s);

    QCOMPARE(printer.documentNames, QStringList{u"Riepilogo dati"_s});
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(u"Riepilogo questioni in sospeso"_s), qPrintable(text));
    QVERIFY(text.contains(u"Rossi Mario"_s));
    QVERIFY(text.contains(u"Fattura 12 da saldare"_s));
    QVERIFY(text.contains(u"Bianchi Anna"_s));
    QVERIFY(text.indexOf(u"Rossi Mario"_s) < text.indexOf(u"Bianchi Anna"_s));
    QVERIFY(text.contains(u"Stampa eseguita in data "_s +
                          QDate::currentDate().toString(u"dd/MM/yyyy"_s)));
  }

  // A long summary print counts its pages where the hint line was, and
  // gives the line back when it is done.
  void aLongSummaryPrintShowsItsProgress() {
    TestFolder folder;
    QList<TSchedaAccettazione> letters;
    for (int i = 0; i < 120; ++i) letters << letter(u"Destinatario %1"_s.arg(i), u"No"_s);
    folder.write(acceptanceArchive().fileName, Fixture::bytes(letters));
    PdfPrintService printer(folder.filePath(u"riepilogo.pdf"_s));
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();
    auto* strip = s.findChild<ProgressStrip*>(u"prgStampa"_s);
    QVERIFY(strip);
    strip->setDelay(0);
    StripWatch watch(strip);
    click(&s, u"btnStampa"_s);

    QCOMPARE(printer.jobs.size(), size_t(1));
    const int pages = int(printer.jobs.front().size());
    QVERIFY(pages >= 3);
    QVERIFY2(watch.shown.contains(u"Pagine stampate: 1 su %1"_s.arg(pages)),
             qPrintable(watch.shown.join(u'|')));
    QVERIFY(strip->isHidden());
    QVERIFY(s.findChild<QLabel*>(u"lblRigo03"_s)->isVisible());
  }

  // A letter whose fields hold line breaks (an older or foreign archive)
  // gives one list line and one printed row, and no letter after it goes
  // missing from the printed list.
  void lineBreaksInRecordsKeepOneLineAndOneRowEach() {
    REQUIRE_POPPLER();
    TestFolder folder;
    folder.write(acceptanceArchive().fileName,
                 Fixture::bytes(QList<TSchedaAccettazione>{
                     letter(u"Uno"_s, u"No"_s),
                     letter(u"Due"_s, u"No"_s,
                            {{u"Mittente"_s, u"Studio\r\nNeri"_s},
                             {u"Contenuto"_s, u"Diffida\r\nsecondo avviso\r\nurgente"_s}}),
                     letter(u"Tre"_s, u"No"_s)}));
    const QString pdf = folder.filePath(u"riepilogo.pdf"_s);
    PdfPrintService printer(pdf);
    QWidget editor;
    TfrmInviate s(&editor);
    s.show();

    const QStringList shown = lines(&s);
    QCOMPARE(recipients(shown), (QStringList{u"Uno"_s, u"Due"_s, u"Tre"_s}));
    QVERIFY(shown[1].endsWith(u"Contenuto: Diffida secondo avviso urgente"_s));
    QCOMPARE(line(&s, 1).data().toString().count(u'\n'), 0);

    click(&s, u"btnStampa"_s);
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(u"secondo avviso urgente"_s), qPrintable(text));
    QVERIFY2(text.contains(u"A: Tre"_s), qPrintable(text));
  }
};

QTEST_MAIN(StatusListTest)
#include "tst_liststatus.moc"
