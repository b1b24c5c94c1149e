#include "search/searchscreen.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "archive/archiveerror.h"
#include "core/controlname.h"
#include "core/text.h"
#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "records/archivelines.h"
#include "records/searchfilter.h"
#include "search/editorfill.h"
#include "search/highlightframe.h"
#include "search/listpanel.h"
#include "search/listscreenframe.h"
#include "widgets/controls.h"
#include "widgets/enterfocuschain.h"
#include "widgets/fonts.h"
#include "widgets/gradientwidget.h"
#include "widgets/palette.h"

namespace velinda {

using namespace Qt::StringLiterals;

using namespace ListScreenFrame;

namespace {

constexpr int kColumnX[2] = {144, 488};
constexpr int kRowY[5] = {141, 211, 281, 351, 421};
constexpr QSize kBoxSize{320, 22};
constexpr int kLabelAbove = 21;

QString foundText(qsizetype count) {
  return u"Il presente riepilogo contiene "_s + QString::number(count) + u" schede"_s;
}

}  // namespace

SearchScreen::SearchScreen(const SearchKind& kind, QWidget* editor, QWidget* parent)
    : DialogFrame(QString::fromUtf8(kind.caption), kScreenSize, Placement::CentreOfScreen, parent),
      kind_(kind),
      editor_(editor) {
  QWidget* back = background(this);
  buildFilterPanel(back);
  buildResultPanel(back);
}

void SearchScreen::buildFilterPanel(QWidget* background) {
  panAvvio_ = new QWidget(background);
  panAvvio_->setObjectName(u"panAvvio"_s);
  panAvvio_->setGeometry(QRect(kPanelAt, QSize(833, 529)));

  auto* explain = new PanelBox(Palette::kWhite, Palette::kLightSteelBlue, 1, panAvvio_);
  explain->setObjectName(u"shpSpiega"_s);
  explain->setGeometry(8, 8, 817, 78);
  textPicture(u"imgSpiega"_s,
              {u"Immettere nei campi prescelti una o più parole consecutive presenti nelle "
               "schede da trovare e premere il pulsante Cerca."_s,
               u"Lasciare in bianco tutti gli altri campi."_s,
               u"Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."_s},
              {18, 15, 771, 62}, panAvvio_);

  auto* fieldsBack = new GradientWidget(Palette::kSearchFieldsTop, Palette::kWhite, panAvvio_);
  fieldsBack->setObjectName(u"shpSfondoCampi"_s);
  fieldsBack->setGeometry(8, 96, 817, 382);
  Controls::picture(u"icoTrova01"_s, u":/art/trova_figura.svg"_s, QRect(24, 112, 98, 350),
                    panAvvio_);

  for (int i = 0; i < int(kind_.filters.size()); ++i) {
    const FilterBox& def = kind_.filters[size_t(i)];
    const QPoint at(kColumnX[i % 2], kRowY[i / 2]);
    const QString text = QString::fromUtf8(def.label);
    auto* caption =
        Controls::label(ControlName::sibling(u"lbl", QString::fromLatin1(def.box)), text,
                        QRect(at - QPoint(0, kLabelAbove), QSize(kBoxSize.width(), 20)), panAvvio_);
    caption->setFont(Fonts::verdana(12));

    auto* box = new QLineEdit(panAvvio_);
    box->setObjectName(QString::fromLatin1(def.box));
    box->setGeometry(QRect(at, kBoxSize));
    box->setFont(Fonts::verdana(12, true));
    box->setAccessibleName(text.chopped(text.endsWith(u':') ? 1 : 0));
    caption->setBuddy(box);
    auto* frame = new HighlightFrame(ControlName::sibling(u"eff", box->objectName()), box);
    // The frame reaches 4 pixels into the caption above: drawn over it, it
    // would cut the caption's descenders.
    frame->stackUnder(caption);
    boxes_ << box;
  }
  // Enter goes round the boxes; the search waits for "Cerca".
  (new EnterFocusChain(this))->loop(boxes_);

  auto* btnAnnulla =
      Controls::button(u"btnAnnulla"_s, u"Chiudi"_s, {8, 488, 150, 30}, panAvvio_, kButtons);
  auto* btnCerca =
      Controls::button(u"btnCerca"_s, u"Cerca"_s, {675, 488, 150, 30}, panAvvio_, kButtons);
  connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnCerca, &QPushButton::clicked, this, guarded(this, &SearchScreen::runSearch));
  btnCerca->installEventFilter(this);

  lblConta_ = Controls::label(u"lblConta"_s, u"0"_s, {177, 470, 40, 16}, panAvvio_);
  lblConta_->hide();
  lblAttendere_ = Controls::label(u"lblAttendere"_s, u"Ricerca schede in corso. Attendere..."_s,
                                  {177, 494, 480, 20}, Fonts::verdana(10), panAvvio_);
  lblAttendere_->setStyleSheet(Palette::textColourStyle(Palette::kDarkCyan));
  lblAttendere_->hide();
  lblMemory_ = Controls::label(u"lblMemory"_s, {}, {0, 0, 1, 1}, panAvvio_);
  lblMemory_->hide();
}

void SearchScreen::buildResultPanel(QWidget* background) {
  resultPanel_ =
      new ListPanel(u"panContainer"_s, QString::fromUtf8(kind_.summaryTitle), background);
  resultPanel_->move(kPanelAt);
  resultPanel_->hide();
  lblTrovate_ = Controls::label(u"lblTrovate"_s, foundText(0), {168, 494, 497, 20},
                                Fonts::verdana(10), resultPanel_);
  lblTrovate_->setAlignment(Qt::AlignCenter);
  lblTrovate_->setStyleSheet(Palette::textColourStyle(Palette::kDarkCyan));
  connect(resultPanel_, &ListPanel::closeRequested, this, &QDialog::reject);
  connect(resultPanel_, &ListPanel::lineOpened, this, guarded(this, &SearchScreen::openChosenLine));
}

void SearchScreen::setTag(const QString& tag) { lblMemory_->setText(tag); }

QString SearchScreen::tag() const { return lblMemory_->text(); }

void SearchScreen::showEvent(QShowEvent* event) {
  DialogFrame::showEvent(event);
  // Restored by the window system, the screen keeps its find text.
  if (event->spontaneous()) return;
  resultPanel_->forgetFind();
  EnterFocusChain::focusBox(boxes_.first());
}

bool SearchScreen::eventFilter(QObject* watched, QEvent* event) {
  // Only a search started with the mouse tells the user to wait: the label
  // must be up before the click runs the search in one go.
  if (event->type() == QEvent::MouseButtonPress && watched->objectName() == u"btnCerca") {
    lblAttendere_->show();
    lblAttendere_->repaint();
  }
  return DialogFrame::eventFilter(watched, event);
}

void SearchScreen::runSearch() {
  QList<SearchFilter::Filter> filters;
  for (int i = 0; i < boxes_.size(); ++i)
    filters.append({QString::fromLatin1(kind_.filters[size_t(i)].field), boxes_[i]->text()});
  lblConta_->setText(QString::number(SearchFilter::setCount(filters)));

  LineList lines;
  try {
    const SearchFilter::Matcher matcher(kind_.archive().layout, filters);
    ArchiveLines::collect(
        kind_.archive(), kind_.line, [&](const TScheda& r) { return matcher.selects(r); }, lines);
  } catch (const ArchiveError& error) {
    resultPanel_->setLines(std::move(lines));
    Services::messages().plain(this, error.userMessage());
    return;
  }
  lblTrovate_->setText(foundText(lines.size()));
  resultPanel_->setLines(std::move(lines));

  resultPanel_->show();
  panAvvio_->hide();
  resultPanel_->forgetFind();
  resultPanel_->findBox()->setFocus();
}

void SearchScreen::openChosenLine() {
  const int row = resultPanel_->chosenRow();
  if (row >= 0) {
    const QString line = resultPanel_->lines().at(row).toString();
    try {
      ArchiveLines::forEachWithLine(
          kind_.archive(), kind_.line, line,
          [this](const TScheda& record, int position) { openRecord(record, position); });
    } catch (const ArchiveError& error) {
      // The screen stays for another try.
      Services::messages().plain(this, error.userMessage());
      return;
    }
  }
  accept();
}

void SearchScreen::openRecord(const TScheda& record, int position) {
  if (kind_.fills && Archives::tagged(Text::trimmed(tag())) == kind_.fills)
    EditorFill::loadRecord(editor_, record, position);
}

void SearchScreen::done(int result) {
  resultPanel_->clearLines();
  lblAttendere_->hide();
  DialogFrame::done(result);
}

}  // namespace velinda
