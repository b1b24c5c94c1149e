#include "validators/checkscreen.h"

#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "widgets/controls.h"
#include "widgets/enterfocuschain.h"
#include "widgets/fieldhighlight.h"
#include "widgets/fixedwindow.h"
#include "widgets/fonts.h"
#include "widgets/gradientwidget.h"
#include "widgets/palette.h"
#include "widgets/typingrules.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kScreenSize{660, 330};
constexpr QSize kLogoSize{587, 69};
constexpr QSize kButtonSize{120, 34};

MessageKind kindOf(const CheckReport& report) {
  return report.isWarning() ? MessageKind::Warning : MessageKind::Information;
}

}  // namespace

CheckScreen::CheckScreen(const Setup& setup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | FixedWindow::kTitleBar), check_(setup.check) {
  setModal(true);
  setWindowTitle(setup.caption);
  setFixedSize(kScreenSize);
  buildControls(setup);
}

void CheckScreen::buildControls(const Setup& setup) {
  auto* background = new GradientWidget(Palette::kWhite, Palette::kCheckScreenBottom, this);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(background);

  QLabel* title = Controls::label(u"lblTitolo"_s, setup.title, background);
  title->setAlignment(Qt::AlignCenter);
  title->setWordWrap(true);
  title->setFont(Fonts::tahoma(10, true));
  title->setStyleSheet(Palette::textColourStyle(Palette::kInk));

  box_ = new QLineEdit(background);
  box_->setObjectName(setup.boxName);
  box_->setAccessibleName(setup.boxAccessibleName);
  box_->setMaxLength(setup.maxLength);
  const QFont boxFont = Fonts::typewriter(20, true);
  box_->setFont(boxFont);
  box_->setAlignment(Qt::AlignCenter);
  // Room for the longest value, so nothing scrolls out of sight.
  const QFontMetrics metrics(boxFont);
  box_->setFixedSize(metrics.horizontalAdvance(QString(setup.maxLength, u'W')) + 16,
                     metrics.height() + 12);
  FieldHighlight::apply(box_);
  if (setup.upperCase) TypingRules::upperCase(box_);
  if (setup.digitsOnly) TypingRules::digitsOnly(box_);
  title->setBuddy(box_);

  btnControlla_ = Controls::button(u"btnControlla"_s, u"Controlla"_s, kButtonSize, background,
                                   {.pointingHand = true});
  auto* btnChiudi = Controls::button(u"btnChiudi"_s, u"Chiudi"_s, kButtonSize, background,
                                     {.pointingHand = true});
  // Enter in the box moves on to "Controlla"; Enter there presses it.
  auto* keys = new EnterFocusChain(this);
  keys->link(box_, btnControlla_);
  connect(btnControlla_, &QPushButton::clicked, this, guarded(this, &CheckScreen::controlla));
  connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(24);
  buttons->addStretch();
  buttons->addWidget(btnControlla_);
  buttons->addWidget(btnChiudi);
  buttons->addStretch();

  auto* content = new QVBoxLayout(background);
  content->setContentsMargins(24, 18, 24, 22);
  content->setSpacing(14);
  content->addWidget(
      Controls::picture(u"imgLogo"_s, u":/art/logo.svg"_s, kLogoSize, background, u"Velinda"_s), 0,
      Qt::AlignHCenter);
  content->addWidget(title);
  content->addStretch();
  content->addWidget(box_, 0, Qt::AlignHCenter);
  content->addStretch();
  content->addLayout(buttons);
}

void CheckScreen::setValue(const QString& text) { box_->setText(text); }

void CheckScreen::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  EnterFocusChain::focusBox(box_);
}

void CheckScreen::controlla() {
  const CheckReport report = check_(box_->text());
  Services::messages().show(this, kindOf(report), report.message);
  if (report.asksToRetype())
    EnterFocusChain::focusBox(box_);
  else
    accept();
}

}  // namespace velinda
