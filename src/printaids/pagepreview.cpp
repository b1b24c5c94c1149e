#include "printaids/pagepreview.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/guardedaction.h"
#include "widgets/shortcuttip.h"

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
                         QWidget* parent)
    : QDialog(parent), pages_(std::move(pages)), options_(options),
      printer_(QPrinter::HighResolution) {
  setObjectName(u"PagePreview"_s);
  setWindowTitle(u" Anteprima di stampa - "_s + title);
  // Positions are measured from the paper's corner, as on the printer.
  printer_.setFullPage(true);
  if (!pages_.empty()) applyPageLayout(printer_, pages_.front());

  view_ = new QPrintPreviewWidget(&printer_, this);
  view_->setObjectName(u"viewAnteprima"_s);
  view_->setAccessibleName(u"Anteprima delle pagine"_s);
  connect(view_, &QPrintPreviewWidget::paintRequested, this, &PagePreview::paint);
  connect(view_, &QPrintPreviewWidget::previewChanged, this, &PagePreview::showPageNumber);

  auto* print = new QPushButton(u"Stampa..."_s, this);
  print->setObjectName(u"btnStampa"_s);
  print->setAccessibleName(u"Stampa le pagine mostrate"_s);
  giveShortcut(print, QKeySequence::Print);
  auto* close = new QPushButton(u"Chiudi"_s, this);
  close->setObjectName(u"btnChiudi"_s);
  close->setAccessibleName(u"Chiudi l'anteprima senza stampare"_s);
  close->setToolTip(u"Chiudi l'anteprima senza stampare (Esc)"_s);
  for (QPushButton* b : {print, close}) b->setAutoDefault(false);
  connect(print, &QPushButton::clicked, this, &QDialog::accept);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  buttons->addWidget(print);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 10);
  layout->addWidget(buildToolbar());
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);
  resize(900, 940);
  view_->fitInView();
}

QToolBar* PagePreview::buildToolbar() {
  auto* bar = new QToolBar(this);
  bar->setObjectName(u"barAnteprima"_s);
  bar->setIconSize(QSize(24, 24));
  auto add = [this, bar](const ToolAction& def) {
    QAction* action = bar->addAction(QIcon(QString::fromLatin1(def.icon)),
                                     QString::fromUtf8(def.text));
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
  pageNumber_ = new QLabel(bar);
  pageNumber_->setObjectName(u"lblPagina"_s);
  pageNumber_->setContentsMargins(12, 0, 12, 0);
  bar->addWidget(pageNumber_);
  const bool mixed = std::any_of(pages_.begin(), pages_.end(), [this](const Page& page) {
    return page.paperWidth() != pages_.front().paperWidth();
  });
  if (mixed) {
    auto* turned = new QLabel(
        u"Le pagine con l'altro orientamento sono mostrate ruotate di un quarto di giro."_s, bar);
    turned->setObjectName(u"lblRuotate"_s);
    bar->addWidget(turned);
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

void PagePreview::showPageNumber() {
  pageNumber_->setText(u"Pagina %1 di %2"_s.arg(view_->currentPage()).arg(view_->pageCount()));
}

bool PagePreview::askToPrint(QWidget* parent, std::vector<Page> pages, const QString& title,
                             PaintOptions options) {
  PagePreview preview(std::move(pages), title, options, parent);
  return preview.exec() == QDialog::Accepted;
}
