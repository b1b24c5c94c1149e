#include "print/formprintscreen.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/controls.h"
#include "widgets/fixedwindow.h"
#include "widgets/palette.h"
#include "widgets/picture.h"

#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "print/offsetcontrols.h"
#include "print/offsettext.h"
#include "printaids/calibrationscreen.h"
#include "printaids/calibrationsheet.h"
#include "printaids/keyboardorder.h"
#include "printaids/pagepreview.h"
#include "report/printservice.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kPrintFailure = u"Attenzione: la stampa della scheda non è andata a buon fine."_s +
                              u"\n\r\n\r"_s +
                              u"Si consiglia di controllare le impostazioni della stampante."_s;

const QString kInstructions =
    u"Impostare il margine superiore e il margine sinistro in "
    "modo da adattare la stampa al modulo e alla propria "
    "stampante, procedendo per tentativi. I valori sono in "
    "millimetri: aumentarli per spostare la stampa in basso e a "
    "destra, diminuirli, anche sotto lo zero, per spostarla in "
    "alto e a sinistra."_s;

// The instruction picture: the page with its two arrows, and beside it the
// whole instruction, wrapped, at the largest size that fits.
QPixmap instructionPicture(QSize size) {
  QPixmap picture = svgPixmap(u":/art/margini.svg"_s, size);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setPen(Palette::kPrintInstructionsInk);
  const QRect area(86, 6, size.width() - 96, size.height() - 12);
  const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
  QFont font(u"Verdana"_s, 10);
  painter.setFont(font);
  while (font.pointSizeF() > 6 &&
         painter.boundingRect(area, flags, kInstructions).height() > area.height()) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
    painter.setFont(font);
  }
  painter.drawText(area, flags, kInstructions);
  return picture;
}

const QKeySequence kPreviewKey(Qt::CTRL | Qt::Key_F2);
const QKeySequence kCalibrationKey(Qt::CTRL | Qt::Key_T);

// The offset as a whole number of millimetres, 0 when it is not a number.
int wholeMillimetres(const QLineEdit* box) {
  try {
    return qRound(OffsetText::toLength(box->text()).toMm());
  } catch (const OffsetConversionError&) {
    return 0;
  }
}

}  // namespace

FormPrintScreen::FormPrintScreen(const FormPrintSetup& setup, FormTexts texts, QWidget* parent)
    : QDialog(parent), setup_(setup), texts_(std::move(texts)) {
  texts_.require(setup_.controls());
  setWindowTitle(setup_.caption());
  setWindowFlags(Qt::Dialog | FixedWindow::kTitleBar);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Palette::kWhite);
  setPalette(white);
  buildControls();
  loadStoredSettings();
  KeyboardOrder::apply(this, print_, print_);
}

void FormPrintScreen::buildControls() {
  // The instructions as a picture, with their words for screen readers.
  auto* instructions = Controls::label(u"imgMargini"_s, {}, this);
  instructions->setFixedSize(560, 90);
  instructions->setPixmap(instructionPicture(instructions->size()));
  instructions->setAccessibleName(kInstructions);
  instructions->setToolTip(kInstructions);

  auto* grid = new QGridLayout;
  offsets_ = new OffsetControls(grid, this, [this](const QString& key, const QString& value) {
    store({{setup_.marginSection, key, value}});
  });

  if (hasOrientation()) {
    upright_ = new QRadioButton(u"Verticale"_s, this);
    upright_->setObjectName(u"optVerticale"_s);
    sideways_ = new QRadioButton(u"Orizzontale"_s, this);
    sideways_->setObjectName(u"optOrizzontale"_s);
    upright_->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(upright_);
    group->addButton(sideways_);
    auto* choice = new QHBoxLayout;
    choice->addWidget(upright_);
    choice->addWidget(sideways_);
    choice->addStretch();
    grid->addWidget(Controls::label({}, u"Orientamento:"_s, this), 2, 0);
    grid->addLayout(choice, 2, 1, 1, 5);
  }

  wait_ = Controls::label(u"lblAttendere"_s, u"Elaborazione in corso. Attendere..."_s, this);
  QFont italic = wait_->font();
  italic.setItalic(true);
  wait_->setFont(italic);
  QPalette crimson = wait_->palette();
  crimson.setColor(QPalette::WindowText, Palette::kCrimson);
  wait_->setPalette(crimson);
  // The screen keeps its width when the notice shows.
  QSizePolicy keepsRoom = wait_->sizePolicy();
  keepsRoom.setRetainSizeWhenHidden(true);
  wait_->setSizePolicy(keepsRoom);
  wait_->hide();

  print_ = Controls::button(u"btnStampa"_s, u"Stampa"_s, this, {.purpose = u"Stampa il modulo"_s});
  print_->installEventFilter(this);
  auto* cancel = Controls::button(u"btnAnnulla"_s, u"Annulla"_s, this,
                                  {.purpose = u"Chiudi senza stampare"_s});
  auto* preview =
      Controls::button(u"btnAnteprima"_s, u"Anteprima"_s, this,
                       {.purpose = u"Mostra la pagina come sarà stampata"_s, .key = kPreviewKey});
  auto* calibration = Controls::button(
      u"btnFoglioProva"_s, u"Foglio di prova..."_s, this,
      {.purpose = u"Stampa un foglio di prova su carta bianca per misurare i margini"_s,
       .key = kCalibrationKey});
  connect(print_, &QPushButton::clicked, this, guarded(this, &FormPrintScreen::print));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(preview, &QPushButton::clicked, this, guarded(this, &FormPrintScreen::preview));
  connect(calibration, &QPushButton::clicked, this, guarded(this, &FormPrintScreen::calibrate));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(calibration);
  buttons->addWidget(wait_);
  buttons->addStretch();
  buttons->addWidget(cancel);
  buttons->addWidget(preview);
  buttons->addWidget(print_);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(18, 18, 18, 14);
  page->setSpacing(14);
  page->addWidget(instructions);
  page->addLayout(grid);
  page->addLayout(buttons);
  page->setSizeConstraint(QLayout::SetFixedSize);
}

void FormPrintScreen::loadStoredSettings() {
  const PrintSettings::Stored stored =
      PrintSettings::stored(setup_.marginSection, setup_.orientationSection);
  offsets_->top()->setText(stored.top);
  offsets_->left()->setText(stored.left);
  if (hasOrientation()) {
    upright_->setChecked(stored.orientation == Orientation::Upright);
    sideways_->setChecked(stored.orientation == Orientation::Sideways);
  }
}

bool FormPrintScreen::eventFilter(QObject* watched, QEvent* event) {
  // The notice must be on screen before the work starts, so it appears as
  // soon as the button is pressed, not when it is released.
  if (watched == print_ && event->type() == QEvent::MouseButtonPress) {
    wait_->show();
    wait_->repaint();
  }
  return QDialog::eventFilter(watched, event);
}

Orientation FormPrintScreen::orientation() const {
  return hasOrientation() && sideways_->isChecked() ? Orientation::Sideways : Orientation::Upright;
}

void FormPrintScreen::store(QList<PrintSettings::Entry> entries) {
  if (hasOrientation())
    entries.append({setup_.orientationSection, QString::fromLatin1(PrintSettings::kOrientationKey),
                    PrintSettings::wordFor(orientation())});
  PrintSettings::writeOrTell(this, entries);
}

Page FormPrintScreen::preparedPage() const {
  return FormLayout::printedPage(setup_.layout, orientation(), offsets_->topOffset(),
                                 offsets_->leftOffset(), texts_);
}

void FormPrintScreen::preview() {
  Page page;
  try {
    page = preparedPage();
  } catch (const OffsetConversionError& error) {
    Services::messages().show(this, MessageKind::Error, error.message());
    return;
  }
  if (PagePreview::askToPrint(this, {page}, setup_.formName, {.boxOutlines = true})) print();
}

void FormPrintScreen::calibrate() {
  Page form = FormLayout::page(setup_.layout);
  form.setOrientation(orientation());
  const CalibrationSheet::FormTexts texts{setup_.formName, &FormLayout::caption,
                                          setup_.smallerThanPaper};
  CalibrationScreen screen(CalibrationSheet::page(form, texts), setup_.formName,
                           wholeMillimetres(offsets_->top()), wholeMillimetres(offsets_->left()),
                           this);
  if (screen.exec() != QDialog::Accepted) return;
  const QString top = QString::number(screen.top());
  const QString left = QString::number(screen.left());
  offsets_->top()->setText(top);
  offsets_->left()->setText(left);
  store({{setup_.marginSection, QString::fromLatin1(PrintSettings::kTopKey), top},
         {setup_.marginSection, QString::fromLatin1(PrintSettings::kLeftKey), left}});
}

void FormPrintScreen::print() {
  wait_->show();
  wait_->repaint();
  bool printed = false;
  try {
    const Page page = preparedPage();
    printed = PrintServices::printer().print(this, {page}, setup_.caption().trimmed()) ==
              PrintOutcome::Printed;
  } catch (const PaperNotSupported& error) {
    Services::messages().show(this, MessageKind::Warning, error.message());
  } catch (const std::exception&) {
    Services::messages().show(this, MessageKind::Warning, kPrintFailure);
  }
  wait_->hide();
  if (printed)
    accept();
  else
    reject();
}

}  // namespace velinda
