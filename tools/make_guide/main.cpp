// Writes the user guide "Guida.pdf" delivered beside the program, laid out
// from the program's own help texts.
#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLibraryInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTranslator>

#include "dialogs/featureguide.h"
#include "dialogs/guidetexts.h"
#include "editors/workspaceshortcuts.h"
#include "records/screenkeys.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

QString paragraphs(const QStringList& texts) {
  QString html;
  for (const QString& p : texts) html += u"<p>"_s + p.toHtmlEscaped() + u"</p>"_s;
  return html;
}

QString section(const QString& title, const QStringList& texts) {
  return u"<h2>"_s + title.toHtmlEscaped() + u"</h2>"_s + paragraphs(texts);
}

// One row of a key table, the keys as the program's tooltips name them, in
// Italian.
QString keyRow(const char* keys, const char* action) {
  const QKeySequence sequence(QString::fromLatin1(keys), QKeySequence::PortableText);
  return u"<tr><td><b>%1</b></td><td>%2</td></tr>"_s.arg(
      sequence.toString(QKeySequence::NativeText).toHtmlEscaped(),
      QString::fromUtf8(action).toHtmlEscaped());
}

QString shortcutsHtml() {
  QString html =
      u"<h2>Tasti di scelta rapida</h2><p>Tutto il programma si usa anche dalla "
      "sola tastiera: Tab e Shift+Tab passano da un controllo all'altro, Invio "
      "preme il pulsante scelto, Esc chiude la schermata (nel menu principale Ctrl+Q esce "
      "dal programma). I pulsanti si possono "
      "premere anche con i loro tasti, ovunque si trovi il cursore; il "
      "suggerimento che compare fermando il mouse su un pulsante ricorda i suoi "
      "tasti.</p>"_s;
  html += u"<p><b>Menu principale</b> (le frecce passano da una voce all'altra)</p><table>"_s;
  for (const ScreenKeys::Shortcut& s : ScreenKeys::menu()) html += keyRow(s.keys, s.action);
  html += u"</table><p><b>Schermate di lavoro</b></p><table>"_s;
  for (const WorkspaceShortcuts::Shortcut& s : WorkspaceShortcuts::all())
    html += keyRow(s.keys, s.action);
  html += u"</table><p><b>Elenchi, ricerche ed esportazioni</b></p><table>"_s;
  for (const ScreenKeys::Shortcut& s : ScreenKeys::all()) html += keyRow(s.keys, s.action);
  return html + u"</table>"_s;
}

QString guideHtml() {
  const GuideTexts::OverviewGuide overview = GuideTexts::overviewGuide();
  QString html =
      uR"(<html><head><style>
    body { font-family: 'DejaVu Sans'; font-size: 10.5pt; color: #1F2D3D; }
    h1 { font-size: 26pt; color: #2F5F8A; margin-bottom: 0; }
    h2 { font-size: 15pt; color: #2F5F8A; margin-top: 18pt; border-bottom: 1px solid #4682B4; }
    p { margin-bottom: 8pt; line-height: 130%; }
    td { padding: 3pt 8pt; border-bottom: 1px solid #C8D6E3; }
    .sub { font-size: 12pt; color: #4682B4; }
  </style></head><body>)"_s;
  html += u"<h1>Velinda</h1><p class='sub'>Guida all'utilizzo del software</p>"_s;
  html += section(u"Uno sguardo a Velinda"_s, {overview.introduction});
  html += section(u"Ricevute di Accettazione"_s, GuideTexts::acceptanceParagraphs());
  html += section(u"Avvisi di Ricevimento"_s, GuideTexts::returnReceiptParagraphs());
  html += section(u"Archivio Anagrafico"_s, GuideTexts::addressBookParagraphs());
  for (const FeatureGuide::Section& feature : FeatureGuide::sections())
    html += section(feature.title, feature.paragraphs);
  html += shortcutsHtml();
  html += section(u"Rete locale, chiavetta USB e password"_s,
                  {overview.network, overview.password, overview.usbStick, overview.conclusion});
  html +=
      u"<h2>Dove sono i dati</h2><p>Tutti i dati si trovano nella cartella del "
      "programma, accanto al file eseguibile:</p><table>"_s;
  const std::pair<const char*, const char*> files[] = {
      {"Ricevute_Accettazione.pro", "archivio delle ricevute di accettazione"},
      {"Avvisi_Ricevimento.pro", "archivio degli avvisi di ricevimento"},
      {"Anagrafica.pro", "archivio anagrafico"},
      {"Impostazioni.ini", "margini e orientamento di stampa"},
      {"unins000.dll", "password di accesso (cifrata)"},
      {"Documenti_Allegati", "copie dei file allegati alle schede"}};
  for (const auto& [file, what] : files)
    html += u"<tr><td><b>%1</b></td><td>%2</td></tr>"_s.arg(QString::fromUtf8(file),
                                                            QString::fromUtf8(what));
  html += u"</table></body></html>"_s;
  return html;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) return 2;
  QTranslator qtItalian;
  if (qtItalian.load(u"qtbase_it"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(&qtItalian);
  QPdfWriter pdf(QString::fromLocal8Bit(argv[1]));
  pdf.setTitle(u"Velinda - Guida all'utilizzo del software"_s);
  pdf.setCreator(u"Velinda"_s);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
  pdf.setResolution(300);
  QTextDocument document;
  // Lay the text out for the page itself, not for a screen.
  document.documentLayout()->setPaintDevice(&pdf);
  document.setPageSize(QSizeF(pdf.width(), pdf.height()));
  document.setHtml(guideHtml());
  document.print(&pdf);
  return 0;
}
