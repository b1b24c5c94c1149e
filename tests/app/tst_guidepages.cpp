#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "app/tfrmavvio.h"
#include "dialogs/tfrmguida.h"
#include "editors/tfrmaccettazione.h"
#include "editors/tfrmanagrafica.h"
#include "editors/tfrmricevimento.h"
#include "export/tfrmexpaccettazione.h"
#include "export/tfrmexpanagrafica.h"
#include "export/tfrmexpricevimento.h"
#include "support/recordingmessages.h"
#include "support/testfolder.h"

// Each screen's guide, page by page, known here by the first words of every
// page: a page dropped, added where it does not belong or moved shows up as
// the first page that no longer matches.
namespace {

const QStringList kAcceptancePages{
    u"L'app Ricevute di Accettazione riproduce"_qs, u"Per inserire una scheda in"_qs,
    u"Il pulsante Duplica è utile"_qs,               u"Il pulsante raffigurante una lente"_qs,
    u"Il pulsante Allega file consente"_qs,          u"Nel momento in cui la"_qs,
    u"Una volta compilati i campi"_qs,               u"Il pulsante con l'icona di"_qs};

const QStringList kReturnReceiptPages{
    u"L'app Avvisi di Ricevimento riproduce"_qs, u"Per inserire una scheda in"_qs,
    u"Il pulsante Duplica è utile"_qs,            u"Il pulsante raffigurante una lente"_qs,
    u"Se la raccomandata è già"_qs,               u"Una volta compilati i campi"_qs,
    u"Il pulsante con l'icona di"_qs};

const QStringList kAddressBookPages{
    u"L'app Archivio Anagrafico ha lo"_qs,
    u"Per inserire una scheda in"_qs,
    u"Nell'archivio anagrafico è possibile annotare"_qs,
    u"Se esistono importanti questioni in"_qs,
    u"Il pulsante Duplica è utile"_qs,
    u"Per trovare le schede anagrafiche"_qs,
    u"La funzione Allega file consente"_qs,
    u"Appositi pulsanti consentono di controllare"_qs,
    u"La scheda di ogni singola"_qs};

const QStringList kOverviewPages =
    QStringList{u"Velinda è un software facile"_qs} + kAcceptancePages + kReturnReceiptPages +
    kAddressBookPages +
    QStringList{u"Velinda può essere utilizzato anche"_qs, u"L'accesso al software è protetto"_qs,
                u"Velinda funziona anche su chiavetta"_qs, u"Velinda è quindi lo strumento"_qs};

const QStringList kExportPages{u"Il pulsante Esporta archivio consente"_qs,
                               u"Dopo aver aperto la finestra"_qs,
                               u"A questo punto è sufficiente"_qs};

std::unique_ptr<QWidget> screenNamed(const QString& name) {
  if (name == u"TfrmAvvio") return std::make_unique<TfrmAvvio>();
  if (name == u"TfrmAccettazione") return std::make_unique<TfrmAccettazione>();
  if (name == u"TfrmRicevimento") return std::make_unique<TfrmRicevimento>();
  if (name == u"TfrmAnagrafica") return std::make_unique<TfrmAnagrafica>();
  if (name == u"TfrmExpAccettazione") return std::make_unique<TfrmExpAccettazione>();
  if (name == u"TfrmExpRicevimento") return std::make_unique<TfrmExpRicevimento>();
  if (name == u"TfrmExpAnagrafica") return std::make_unique<TfrmExpAnagrafica>();
  qFatal("no screen named %s", qPrintable(name));
}

// The first `count` words of every page of `text`.
QStringList openingsOf(const QString& text, int count) {
  QStringList openings;
  for (const QString& page : text.split(u"\r\n\r\n"_qs))
    openings << page.section(u' ', 0, count - 1);
  return openings;
}

}  // namespace

class GuidePagesTest : public QObject {
  Q_OBJECT
 private slots:
  void everyScreenShowsItsGuidePagesInOrder_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("guideButton");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("main menu") << u"TfrmAvvio"_qs << u"imgGuida"_qs << kOverviewPages;
    QTest::newRow("acceptance") << u"TfrmAccettazione"_qs << u"cmdGuida"_qs << kAcceptancePages;
    QTest::newRow("return receipt")
        << u"TfrmRicevimento"_qs << u"cmdGuida"_qs << kReturnReceiptPages;
    QTest::newRow("address book") << u"TfrmAnagrafica"_qs << u"cmdGuida"_qs << kAddressBookPages;
    for (const char* exportScreen :
         {"TfrmExpAccettazione", "TfrmExpRicevimento", "TfrmExpAnagrafica"})
      QTest::newRow(exportScreen) << QString::fromLatin1(exportScreen) << u"cmdGuida"_qs
                                  << kExportPages;
  }
  void everyScreenShowsItsGuidePagesInOrder() {
    QFETCH(QString, screen);
    QFETCH(QString, guideButton);
    QFETCH(QStringList, pages);
    TestFolder folder;
    RecordingMessages messages;
    const std::unique_ptr<QWidget> shown = screenNamed(screen);
    shown->show();
    QString text;
    bool seen = false;
    QTimer::singleShot(0, [&] {
      if (auto* guide = qobject_cast<TfrmGuida*>(QApplication::activeModalWidget())) {
        seen = true;
        text = guide->text();
        guide->close();
      }
    });
    auto* button = shown->findChild<QToolButton*>(guideButton);
    QVERIFY(button);
    button->click();
    QVERIFY(seen);
    const int words = 5;
    for (const QString& page : pages) QCOMPARE(page.count(u' '), words - 1);
    QCOMPARE(openingsOf(text, words), pages);
  }
};

QTEST_MAIN(GuidePagesTest)
#include "tst_guidepages.moc"
