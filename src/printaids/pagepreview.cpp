#include "printaids/pagepreview.h"

#include <QAction>
#include <QDir>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/filechooser.h"
#include "platform/guardedaction.h"
#include "report/pdffile.h"
#include "widgets/controls.h"
#include "widgets/shortcuttip.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

struct ToolAction {
  const char* icon;
  const char* text;
  QKeySequence key;
  void (*run)(QPrintPreviewWidget*);
};

const ToolAction kZoom[] = {
    {":/icons/zoom-fit-page.svg", "Pagina intera", QKeySequence(Qt::CTRL | Qt::Key_0),
     [](QPrintPreviewWidget* v) { v->fitInView(); }},
    {":/icons/zoom-fit-width.svg", "Adatta alla larghezza", QKeySequence(Qt::CTRL | Qt::Key_9),
     [](QPrintPreviewWidget* v) { v->fitToWidth(); }},
    {":/icons/zoom-in.svg", "Ingrandisci", QKeySequence(Qt::CTRL | Qt::Key_Plus),
     [](QPrintPreviewWidget* v) { v->zoomIn(); }},
    {":/icons/zoom-out.svg", "Riduci", QKeySequence(Qt::CTRL | Qt::Key_Minus),
     [](QPrintPreviewWidget* v) { v->zoomOut(); }},
};

const ToolAction kPages[] = {
    {":/icons/go-first.svg", "Prima pagina", QKeySequence(Qt::CTRL | Qt::Key_Home),
     [](QPrintPreviewWidget* v) { v->setCurrentPage(1); }},
    {":/icons/go-previous.svg", "Pagina precedente", QKeySequence(Qt::CTRL | Qt::Key_PageUp),
     [](QPrintPreviewWidget* v) { v->setCurrentPage(v->currentPage() - 1); }},
    {":/icons/go-next.svg", "Pagina successiva", QKeySequence(Qt::CTRL | Qt::Key_PageDown),
     [](QPrintPreviewWidget* v) { v->setCurrentPage(v->currentPage() + 1); }},
    {":/icons/go-last.svg", "Ultima pagina", QKeySequence(Qt::CTRL | Qt::Key_End),
     [](QPrintPreviewWidget* v) { v->setCurrentPage(v->pageCount()); }},
};

}  // namespace

PagePreview::PagePreview(std::vector<Page> pages, const QString& title, PaintOptions options,
                         QWidget* parent, int totalPages)
    : QDialog(parent),
      pages_(std::move(pages)),
      options_(options),
      printer_(QPrinter::HighResolution) {
  setObjectName(u"PagePreview"_s);
  setWindowTitle(u" Anteprima di stampa - "_s + title);
  // Positions are measured from the paper's corner, as on the printer. The
  // preview paints for no printer in particular: a printer that cannot take
  // the page says so when printing, not here.
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setFullPage(true);
  if (!pages_.empty()) applyPageLayout(printer_, pages_.front());

  view_ = new QPrintPreviewWidget(&printer_, this);
  view_->setObjectName(u"viewAnteprima"_s);
  view_->setAccessibleName(u"Anteprima delle pagine"_s);
  // The view inside, where the pages are, is what a screen reader reaches.
  for (QGraphicsView* pages : view_->findChildren<QGraphicsView*>()) {
    pages->setAccessibleName(u"Pagine dell'anteprima di stampa"_s);
    pages->setAccessibleDescription(u"Le pagine come saranno stampate"_s);
  }
  connect(view_, &QPrintPreviewWidget::paintRequested, this, &PagePreview::paint);
  connect(view_, &QPrintPreviewWidget::previewChanged, this, &PagePreview::showPageNumber);

  auto* print = Controls::button(
      u"btnStampa"_s, u"Stampa..."_s, this,
      {.accessibleName = u"Stampa le pagine mostrate"_s, .enter = Controls::Enter::Ignored});
  giveShortcut(print, QKeySequence::Print);
  // Where the preview holds every page, they can be kept as a PDF, written
  // as they print: on a computer without a PDF printer this is the way to
  // send a form by e-mail.
  QPushButton* pdf = nullptr;
  if (totalPages <= int(pages_.size()) && !pages_.empty()) {
    pdf = Controls::button(
        u"btnSalvaPdf"_s, u"Salva PDF..."_s, this,
        {.accessibleName = u"Salva PDF: salva le pagine mostrate in un documento PDF"_s,
         .enter = Controls::Enter::Ignored});
    giveShortcut(pdf, QKeySequence::Save);
    connect(pdf, &QPushButton::clicked, this, guarded(this, [this, title] { saveAsPdf(title); }));
  }
  auto* close = Controls::button(u"btnChiudi"_s, u"Chiudi"_s, this,
                                 {.accessibleName = u"Chiudi l'anteprima senza stampare"_s,
                                  .enter = Controls::Enter::Ignored});
  close->setToolTip(u"Chiudi l'anteprima senza stampare (Esc)"_s);
  connect(print, &QPushButton::clicked, this, &QDialog::accept);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  if (pdf) buttons->addWidget(pdf);
  buttons->addWidget(print);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 10);
  layout->addWidget(buildToolbar(totalPages));
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);
  fitTheScreen();
  view_->fitInView();
}

void PagePreview::fitTheScreen() {
  // As large as a page reads well, within the screen's free area (a laptop's
  // 1366 x 768 too), the title bar included.
  constexpr QSize kWanted(900, 940);
  constexpr int kTitleBar = 40;
  const QScreen* screen =
      parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (!screen) {
    resize(kWanted);
    return;
  }
  const QRect free = screen->availableGeometry();
  const QSize size = kWanted.boundedTo(QSize(free.width() - 20, free.height() - kTitleBar - 10));
  const QRect frame = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, free);
  setGeometry(frame.translated(0, kTitleBar / 2));
}

QToolBar* PagePreview::buildToolbar(int totalPages) {
  auto* bar = new QToolBar(this);
  bar->setObjectName(u"barAnteprima"_s);
  bar->setIconSize(QSize(24, 24));
  auto add = [this, bar](const ToolAction& def) {
    QAction* action =
        bar->addAction(QIcon(QString::fromLatin1(def.icon)), QString::fromUtf8(def.text));
    action->setShortcut(def.key);
    action->setToolTip(shortcutTip(QString::fromUtf8(def.text), def.key));
    auto run = def.run;
    connect(action, &QAction::triggered, this, guarded(this, [this, run] {
              run(view_);
              showPageNumber();
            }));
    if (QWidget* button = bar->widgetForAction(action))
      button->setAccessibleName(QString::fromUtf8(def.text));
  };
  for (const ToolAction& def : kZoom) add(def);
  bar->addSeparator();
  for (const ToolAction& def : kPages) add(def);
  pageNumber_ = Controls::label(u"lblPagina"_s, {}, bar);
  pageNumber_->setContentsMargins(12, 0, 12, 0);
  bar->addWidget(pageNumber_);
  const bool mixed = std::any_of(pages_.begin(), pages_.end(), [this](const Page& page) {
    return page.paperWidth() != pages_.front().paperWidth();
  });
  if (mixed) {
    auto* turned = Controls::label(
        u"lblRuotate"_s,
        u"Le pagine con l'altro orientamento sono mostrate ruotate di un quarto di giro."_s, bar);
    bar->addWidget(turned);
  }
  if (totalPages > int(pages_.size())) {
    const QLocale italian(QLocale::Italian);
    auto* first = Controls::label(
        u"lblPrimePagine"_s,
        u"Sono mostrate le prime %1 pagine delle %2 da stampare."_s.arg(
            italian.toString(qulonglong(pages_.size())), italian.toString(totalPages)),
        bar);
    bar->addWidget(first);
  }
  // Scrolling through the pages moves the current page too.
  for (QScrollBar* scroll : view_->findChildren<QScrollBar*>())
    connect(scroll, &QScrollBar::valueChanged, this, &PagePreview::showPageNumber);
  return bar;
}

void PagePreview::paint(QPrinter* printer) {
  if (pages_.empty()) return;
  const Page& frame = pages_.front();
  const double frameWidth = frame.paperWidth().toDots(printer->logicalDpiX());
  QPainter painter(printer);
  for (size_t i = 0; i < pages_.size(); ++i) {
    if (i > 0) printer->newPage();
    const Page& page = pages_[i];
    painter.save();
    if (page.paperWidth() != frame.paperWidth()) {
      painter.translate(frameWidth, 0);
      painter.rotate(90);
    }
    paintPage(painter, page, options_);
    painter.restore();
  }
}

void PagePreview::saveAsPdf(const QString& title) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString name = title.trimmed().isEmpty() ? u"Stampa"_s : title.trimmed();
  const FileAnswer answer = FileChoosers::current().chooseFileToWrite(
      this,
      {u"Salva PDF"_s, {u"Documento PDF (*.pdf)"_s}, QDir(folder).filePath(name + u".pdf"_s)});
  if (answer.path.isEmpty()) return;
  PdfFile::write(answer.path, pages_, name);
}

void PagePreview::showPageNumber() {
  pageNumber_->setText(u"Pagina %1 di %2"_s.arg(view_->currentPage()).arg(view_->pageCount()));
}

bool PagePreview::askToPrint(QWidget* parent, std::vector<Page> pages, const QString& title,
                             PaintOptions options, int totalPages) {
  PagePreview preview(std::move(pages), title, options, parent, totalPages);
  return preview.exec() == QDialog::Accepted;
}

}  // namespace velinda
