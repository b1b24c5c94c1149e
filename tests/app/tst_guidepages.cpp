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

using namespace velinda;

using namespace Qt::StringLiterals;

// Each screen's guide, page by page, known here by the first words of every
// page: a page dropped, added where it does not belong or moved shows up as
// the first page that no longer matches.
namespace {

// clang-format off
const QStringList kAcceptancePages{
    u"L'app Ricevute di Accettazione riproduce"_s, u"Per inserire una scheda in"_s,
    u"Il pulsante Duplica è utile"_s,               u"Il pulsante raffigurante una lente"_s,
    u"Il pulsante Allega file consente"_s,          u"Nel momento in cui la"_s,
    u"Una volta compilati i campi"_s,               u"Il pulsante con l'icona di"_s};

const QStringList kReturnReceiptPages{
    u"L'app Avvisi di Ricevimento riproduce"_s, u"Per inserire una scheda in"_s,
    u"Il pulsante Duplica è utile"_s,            u"Il pulsante raffigurante una lente"_s,
    u"Se la raccomandata è già"_s,               u"Una volta compilati i campi"_s,
    u"Il pulsante con l'icona di"_s};
// clang-format on

const QStringList kAddressBookPages{u"L'app Archivio Anagrafico ha lo"_s,
                                    u"Per inserire una scheda in"_s,
                                    u"Nell'archivio anagrafico è possibile annotare"_s,
                                    u"Se esistono importanti questioni in"_s,
                                    u"Il pulsante Duplica è utile"_s,
                                    u"Per trovare le schede anagrafiche"_s,
                                    u"La funzione Allega file consente"_s,
                                    u"Appositi pulsanti consentono di controllare"_s,
                                    u"La scheda di ogni singola"_s};

const QStringList kOverviewPages =
    QStringList{u"Velinda è un software facile"_s} + kAcceptancePages + kReturnReceiptPages +
    kAddressBookPages +
    QStringList{u"Velinda può essere utilizzato anche"_s, u"L'accesso al software è protetto"_s,
                u"Velinda funziona anche su chiavetta"_s, u"Velinda è quindi lo strumento"_s};

const QStringList kExportPages{u"Il pulsante Esporta archivio consente"_s,
                               u"Dopo aver aperto la finestra"_s,
                               u"A questo punto è sufficiente"_s};

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
  for (const QString& page : text.split(u"\r\n\r\n"_s))
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
    QTest::newRow("main menu") << u"TfrmAvvio"_s << u"imgGuida"_s << kOverviewPages;
    QTest::newRow("acceptance") << u"TfrmAccettazione"_s << u"cmdGuida"_s << kAcceptancePages;
    QTest::newRow("return receipt") << u"TfrmRicevimento"_s << u"cmdGuida"_s << kReturnReceiptPages;
    QTest::newRow("address book") << u"TfrmAnagrafica"_s << u"cmdGuida"_s << kAddressBookPages;
    for (const char* exportScreen :
         {"TfrmExpAccettazione", "TfrmExpRicevimento", "TfrmExpAnagrafica"})
      QTest::newRow(exportScreen) << QString::fromLatin1(exportScreen) << u"cmdGuida"_s
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
