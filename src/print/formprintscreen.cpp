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

#include "widgets/fixedwindow.h"
#include "widgets/picture.h"

#include "archive/text.h"
#include "platform/inifile.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "print/offsettext.h"
#include "print/printsettings.h"
#include "report/printservice.h"

namespace {

const QString kPrintFailure =
    u"Attenzione: la stampa della scheda non è andata a buon fine."_qs + u"\n\r\n\r"_qs +
    u"Si consiglia di controllare le impostazioni della stampante."_qs;

const QString kInstructions = u"Impostare il margine superiore e il margine sinistro in "
                              "modo da adattare la stampa al modulo e alla propria "
                              "stampante, procedendo per tentativi. I valori sono in "
                              "millimetri: aumentarli per spostare la stampa in basso e a "
                              "destra, diminuirli, anche sotto lo zero, per spostarla in "
                              "alto e a sinistra."_qs;

// The instruction picture: the page with its two arrows, and beside it the
// whole instruction, wrapped, at the largest size that fits.
QPixmap instructionPicture(QSize size) {
  QPixmap picture = svgPixmap(u":/art/margini.svg"_qs, size);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setPen(QColor(0x1F, 0x2D, 0x3D));
  const QRect area(86, 6, size.width() - 96, size.height() - 12);
  const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
  QFont font(u"Verdana"_qs, 10);
  painter.setFont(font);
  while (font.pointSizeF() > 6 &&
         painter.boundingRect(area, flags, kInstructions).height() > area.height()) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
    painter.setFont(font);
  }
  painter.drawText(area, flags, kInstructions);
  return picture;
}

QPushButton* button(const char* name, const QString& text, const QString& accessible,
                    QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAccessibleName(accessible);
  b->setAutoDefault(false);
  return b;
}

QLineEdit* offsetBox(const char* name, const QString& accessible, QWidget* parent) {
  auto* box = new QLineEdit(u"0"_qs, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setAccessibleName(accessible);
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignCenter);
  box->setFixedWidth(60);
  return box;
}

}  // namespace

FormPrintScreen::FormPrintScreen(FormPrintSetup setup, QWidget* source, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)), source_(source) {
  setWindowTitle(setup_.caption);
  setWindowFlags(Qt::Dialog | FixedWindow::kTitleBar);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  buildControls();
  loadStoredSettings();
}

void FormPrintScreen::buildControls() {
  // The instructions as a picture, with their words for screen readers.
  auto* instructions = new QLabel(this);
  instructions->setObjectName(u"imgMargini"_qs);
  instructions->setFixedSize(560, 90);
  instructions->setPixmap(instructionPicture(instructions->size()));
  instructions->setAccessibleName(kInstructions);
  instructions->setToolTip(kInstructions);

  top_ = offsetBox("txtTop", u"Margine superiore in millimetri"_qs, this);
  left_ = offsetBox("txtLeft", u"Margine sinistro in millimetri"_qs, this);

  auto* grid = new QGridLayout;
  struct OffsetRow {
    QString title;
    QLineEdit* box;
    const char* minus;
    const char* plus;
    const char* apply;
    const char* key;
    QString what;
  };
  const OffsetRow rows[] = {
      {u"Margine superiore:"_qs, top_, "btnTopMinus", "btnTopPlus", "btnApplicaTop",
       PrintSettings::kTopKey, u"margine superiore"_qs},
      {u"Margine sinistro:"_qs, left_, "btnLeftMinus", "btnLeftPlus", "btnApplicaLeft",
       PrintSettings::kLeftKey, u"margine sinistro"_qs},
  };
  int line = 0;
  for (const OffsetRow& row : rows) {
    auto* title = new QLabel(row.title, this);
    title->setBuddy(row.box);
    auto* minus = button(row.minus, u"-"_qs, u"Diminuisci "_qs + row.what, this);
    auto* plus = button(row.plus, u"+"_qs, u"Aumenta "_qs + row.what, this);
    auto* apply = button(row.apply, u"Applica"_qs, u"Memorizza "_qs + row.what, this);
    for (QPushButton* b : {minus, plus}) b->setFixedWidth(32);
    QLineEdit* box = row.box;
    const char* key = row.key;
    connect(minus, &QPushButton::clicked, this, [this, box] { step(box, -1); });
    connect(plus, &QPushButton::clicked, this, [this, box] { step(box, +1); });
    connect(apply, &QPushButton::clicked, this, [this, box, key] { this->apply(box, key); });
    grid->addWidget(title, line, 0);
    grid->addWidget(minus, line, 1);
    grid->addWidget(box, line, 2);
    grid->addWidget(plus, line, 3);
    grid->addWidget(new QLabel(u"mm"_qs, this), line, 4);
    grid->addWidget(apply, line, 5);
    ++line;
  }

  if (hasOrientation()) {
    upright_ = new QRadioButton(u"Verticale"_qs, this);
    upright_->setObjectName(u"optVerticale"_qs);
    sideways_ = new QRadioButton(u"Orizzontale"_qs, this);
    sideways_->setObjectName(u"optOrizzontale"_qs);
    upright_->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(upright_);
    group->addButton(sideways_);
    auto* choice = new QHBoxLayout;
    choice->addWidget(upright_);
    choice->addWidget(sideways_);
    choice->addStretch();
    grid->addWidget(new QLabel(u"Orientamento:"_qs, this), line, 0);
    grid->addLayout(choice, line, 1, 1, 5);
  }

  wait_ = new QLabel(u"Elaborazione in corso. Attendere..."_qs, this);
  wait_->setObjectName(u"lblAttendere"_qs);
  QFont italic = wait_->font();
  italic.setItalic(true);
  wait_->setFont(italic);
  QPalette crimson = wait_->palette();
  crimson.setColor(QPalette::WindowText, QColor(220, 20, 60));
  wait_->setPalette(crimson);
  wait_->hide();

  print_ = button("btnStampa", u"Stampa"_qs, u"Stampa il modulo"_qs, this);
  print_->installEventFilter(this);
  auto* cancel = button("btnAnnulla", u"Annulla"_qs, u"Chiudi senza stampare"_qs, this);
  connect(print_, &QPushButton::clicked, this, &FormPrintScreen::print);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(wait_);
  buttons->addStretch();
  buttons->addWidget(cancel);
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
  top_->setText(PrintSettings::read(setup_.marginSection, QString::fromLatin1(PrintSettings::kTopKey)));
  left_->setText(PrintSettings::read(setup_.marginSection, QString::fromLatin1(PrintSettings::kLeftKey)));
  if (hasOrientation()) {
    const auto stored = PrintSettings::orientationFromWord(PrintSettings::read(
        setup_.orientationSection, QString::fromLatin1(PrintSettings::kOrientationKey)));
    if (stored) {
      upright_->setChecked(*stored == Orientation::Upright);
      sideways_->setChecked(*stored == Orientation::Sideways);
    }
  }
  for (QLineEdit* box : {top_, left_})
    if (Text::trimmed(box->text()).isEmpty()) box->setText(u"0"_qs);
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

void FormPrintScreen::step(QLineEdit* box, int delta) {
  try {
    box->setText(OffsetText::stepped(box->text(), delta));
  } catch (const OffsetConversionError& error) {
    Services::messages().show(this, MessageKind::Error, error.message());
  }
}

void FormPrintScreen::apply(QLineEdit* box, const char* key) {
  try {
    const QString value = Text::trimmed(box->text());
    if (hasOrientation()) {
      const Orientation chosen =
          upright_->isChecked() ? Orientation::Upright : Orientation::Sideways;
      PrintSettings::write(setup_.marginSection, QString::fromLatin1(key), value,
                           setup_.orientationSection,
                           QString::fromLatin1(PrintSettings::kOrientationKey),
                           PrintSettings::wordFor(chosen));
    } else {
      PrintSettings::write(setup_.marginSection, QString::fromLatin1(key), value);
    }
  } catch (const IniWriteError& error) {
    Services::messages().show(this, MessageKind::Error, QString::fromStdString(error.what()));
  }
}

Page FormPrintScreen::preparedPage() const {
  Page page = FormLayout::page(setup_.layout);
  page.setOrientation(hasOrientation() && sideways_->isChecked() ? Orientation::Sideways
                                                                 : Orientation::Upright);
  page.setMargins(OffsetText::toLength(top_->text()), OffsetText::toLength(left_->text()));
  FormLayout::fill(page, setup_.layout, *source_);
  return page;
}

void FormPrintScreen::print() {
  wait_->show();
  wait_->repaint();
  bool printed = false;
  try {
    const Page page = preparedPage();
    printed = PrintServices::printer().print(this, {page}, setup_.caption.trimmed()) ==
              PrintOutcome::Printed;
  } catch (const std::exception&) {
    Services::messages().show(this, MessageKind::Warning, kPrintFailure);
  }
  wait_->hide();
  if (printed)
    accept();
  else
    reject();
}
