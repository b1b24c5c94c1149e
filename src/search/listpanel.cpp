#include "search/listpanel.h"

#include <QDate>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>

#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "records/screenkeys.h"
#include "report/printservice.h"
#include "report/summaryreport.h"
#include "search/listlinesmodel.h"
#include "search/listscreenframe.h"
#include "widgets/controls.h"
#include "widgets/enterfocuschain.h"
#include "widgets/fonts.h"
#include "widgets/gradientwidget.h"
#include "widgets/palette.h"
#include "widgets/progressstrip.h"
#include "widgets/shortcuttip.h"

namespace velinda {

using namespace Qt::StringLiterals;

using namespace ListScreenFrame;

namespace {

const QString kEmptyListMessage =
    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

}  // namespace

ListPanel::ListPanel(const QString& objectName, const QString& summaryTitle, QWidget* parent)
    : QWidget(parent), summaryTitle_(summaryTitle) {
  setObjectName(objectName);
  resize(833, 529);

  // The banner is drawn for a white ground: on the blue its subtitle
  // would all but vanish.
  auto* banner = new PanelBox(Palette::kWhite, Palette::kLightSteelBlue, 1, this);
  banner->setObjectName(u"shpLogo"_s);
  banner->setGeometry(8, 8, 817, 53);
  Controls::picture(u"imgLogo"_s, u":/art/logo.svg"_s, QRect(1, 1, 815, 51), banner,
                    Controls::Fit::KeepShape);
  textPicture(u"icoIstruzioni"_s,
              {u"Immettere una o più parole consecutive presenti nella scheda in elenco da "
               "cercare e premere il pulsante Trova."_s,
               u"Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, "
               "fare di nuovo clic su Trova."_s},
              {8, 66, 642, 32}, this);

  auto* lensBox = new PanelBox(Palette::kWhite, Palette::kLightSteelBlue, 1, this);
  lensBox->setObjectName(u"shpLente"_s);
  lensBox->setGeometry(8, 104, 81, 57);
  auto* lens = Controls::picture(u"imgLente"_s, u":/art/lente.svg"_s, QRect(8, 4, 64, 48), lensBox);
  lens->move((81 - 64) / 2, (57 - 48) / 2);

  txtTrova_ = new QLineEdit(this);
  txtTrova_->setObjectName(u"txtTrova"_s);
  txtTrova_->setGeometry(112, 122, 593, 22);
  txtTrova_->setFont(Fonts::verdana(12, true));
  txtTrova_->setAccessibleName(u"Testo da cercare nell'elenco"_s);

  auto* btnTrova = Controls::button(u"btnTrova"_s, u"Trova"_s, {710, 117, 105, 30}, this, kButtons);
  // Enter only moves on to "Trova"; the find runs when the button is pressed.
  auto* keys = new EnterFocusChain(this);
  keys->link(txtTrova_, btnTrova);

  lines_ = new ListLinesModel(this);
  lstRecords_ = new QListView(this);
  lstRecords_->setObjectName(u"lstRecords"_s);
  lstRecords_->setModel(lines_);
  lstRecords_->setUniformItemSizes(true);
  lstRecords_->setGeometry(16, 176, 801, 273);
  lstRecords_->setAccessibleName(u"Elenco delle schede"_s);
  lstRecords_->setSelectionMode(QAbstractItemView::SingleSelection);
  lstRecords_->setTextElideMode(Qt::ElideNone);
  lstRecords_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  lstRecords_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  lstRecords_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  lstRecords_->viewport()->installEventFilter(this);
  lstRecords_->installEventFilter(this);
  txtTrova_->installEventFilter(this);

  auto* hint = Controls::label(u"lblRigo03"_s,
                               u"Fare doppio clic su una voce in elenco per richiamare la scheda"_s,
                               {16, 454, 801, 20}, Fonts::verdana(9), this);
  hint->setAlignment(Qt::AlignCenter);
  hint->setStyleSheet(Palette::textColourStyle(Palette::kCrimson));
  // A long summary print shows how far it has got where the hint was.
  progress_ = new ProgressStrip(u"prgStampa"_s, hint, Fonts::verdana(9), Palette::kDarkCyan,
                                Palette::kSteelBlue);

  auto* btnChiudi =
      Controls::button(u"btnChiudi"_s, u"Chiudi"_s, {8, 488, 150, 30}, this, kButtons);
  auto* btnStampa =
      Controls::button(u"btnStampa"_s, u"Stampa"_s, {675, 488, 150, 30}, this, kButtons);

  giveShortcut(btnStampa, QKeySequence(ScreenKeys::keysFor(u"btnStampa"_s)));
  // Only while the focus is on this panel: a search screen's filters keep
  // their own keys.
  auto* toFind = new QShortcut(QKeySequence(ScreenKeys::keysFor(u"txtTrova"_s)), this, nullptr,
                               nullptr, Qt::WidgetWithChildrenShortcut);
  connect(toFind, &QShortcut::activated, this, [this] { EnterFocusChain::focusBox(txtTrova_); });

  connect(btnTrova, &QPushButton::clicked, this, guarded(this, &ListPanel::findText));
  connect(btnStampa, &QPushButton::clicked, this, guarded(this, &ListPanel::printSummary));
  connect(btnChiudi, &QPushButton::clicked, this, &ListPanel::closeRequested);
}

void ListPanel::setLines(LineList lines) { lines_->setLines(std::move(lines)); }

const LineList& ListPanel::lines() const { return lines_->lines(); }

void ListPanel::clearLines() { lines_->setLines({}); }

void ListPanel::forgetFind() {
  find_.forget();
  txtTrova_->clear();
}

int ListPanel::chosenRow() const {
  const QModelIndex current = lstRecords_->currentIndex();
  return current.isValid() && lstRecords_->selectionModel()->isSelected(current) ? current.row()
                                                                                 : -1;
}

void ListPanel::findText() {
  const ListFind::Result result = find_.find(lines(), chosenRow(), txtTrova_->text());
  if (result.outcome == ListFind::Outcome::EmptyList) {
    Services::messages().plain(this, kEmptyListMessage);
    return;
  }
  const QModelIndex chosen = lines_->index(result.chosen);
  lstRecords_->setCurrentIndex(chosen);
  lstRecords_->scrollTo(chosen);
}

void ListPanel::printSummary() {
  PrintService& printer = PrintServices::printer();
  // Counted from the first page on, not from the print dialog.
  printer.setProgress([this](int painted, int pageCount) {
    if (painted == 0)
      progress_->start(u"Pagine stampate:"_s, pageCount);
    else
      progress_->advance(painted);
  });
  const auto done = qScopeGuard([&] {
    printer.setProgress({});
    progress_->finish();
  });
  // A print failure is left to the program's handling of unexpected errors.
  printer.print(window(),
                SummaryReport::pages(summaryTitle_, lines().toStringList(), QDate::currentDate()),
                QString::fromLatin1(SummaryReport::kDocumentName));
}

void ListPanel::enterList() {
  lstRecords_->setFocus(Qt::TabFocusReason);
  if (lines().isEmpty() || chosenRow() >= 0) return;
  // The user sees which line the arrows move from and Enter opens.
  const QModelIndex first = lines_->index(0);
  lstRecords_->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
}

bool ListPanel::eventFilter(QObject* watched, QEvent* event) {
  // The owner may close the screen and empty the list in answer, so the
  // list does not go on to handle the click itself.
  if (watched == lstRecords_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    emit lineOpened();
    return true;
  }
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  if (watched == txtTrova_ && key->key() == Qt::Key_Down && modifiers == Qt::NoModifier) {
    enterList();
    return true;
  }
  // Enter on the chosen line, the keypad's too, does what a double click
  // does; with no line chosen it does nothing.
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  if (watched == lstRecords_ && enter && modifiers == Qt::NoModifier) {
    if (chosenRow() >= 0) emit lineOpened();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace velinda
