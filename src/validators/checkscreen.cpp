#include "validators/checkscreen.h"

#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "widgets/controls.h"
#include "widgets/fieldhighlight.h"
#include "widgets/fixedwindow.h"
#include "widgets/gradientwidget.h"
#include "widgets/picture.h"
#include "widgets/keychain.h"
#include "widgets/palette.h"
#include "widgets/typingrules.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kScreenSize{660, 330};
constexpr QSize kLogoSize{587, 69};
constexpr QSize kButtonSize{120, 34};

QLabel* makeLogo(QWidget* parent) {
  auto* logo = new QLabel(parent);
  logo->setObjectName(u"imgLogo"_s);
  logo->setFixedSize(kLogoSize);
  logo->setAccessibleName(u"Velinda"_s);
  // A missing picture leaves an empty space of the same size.
  QPixmap picture = blankPixmap(kLogoSize);
  QPainter painter(&picture);
  const bool drawn = drawArt(painter, u":/art/logo.svg"_s, QRectF(QPointF(0, 0), QSizeF(kLogoSize)));
  painter.end();
  if (drawn) logo->setPixmap(picture);
  return logo;
}

QPushButton* makeButton(const QString& name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setFixedSize(kButtonSize);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

MessageKind kindOf(const CheckReport& report) {
  return report.isWarning() ? MessageKind::Warning : MessageKind::Information;
}

}  // namespace

CheckScreen::CheckScreen(const Setup& setup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | FixedWindow::kTitleBar),
      check_(setup.check) {
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

  auto* title = new QLabel(setup.title, background);
  title->setObjectName(u"lblTitolo"_s);
  title->setAlignment(Qt::AlignCenter);
  title->setWordWrap(true);
  title->setFont(Controls::font(u"Tahoma"_s, 10, true));
  title->setStyleSheet(Palette::textColourStyle(Palette::kInk));

  box_ = new QLineEdit(background);
  box_->setObjectName(setup.boxName);
  box_->setAccessibleName(setup.boxAccessibleName);
  box_->setMaxLength(setup.maxLength);
  QFont boxFont(u"Courier New"_s, 20);
  boxFont.setBold(true);
  boxFont.setStyleHint(QFont::TypeWriter);
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

  btnControlla_ = makeButton(u"btnControlla"_s, u"Controlla"_s, background);
  auto* btnChiudi = makeButton(u"btnChiudi"_s, u"Chiudi"_s, background);
  // Enter in the box moves on to "Controlla"; Enter there presses it.
  auto* keys = new KeyChain(this);
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
  content->addWidget(makeLogo(background), 0, Qt::AlignHCenter);
  content->addWidget(title);
  content->addStretch();
  content->addWidget(box_, 0, Qt::AlignHCenter);
  content->addStretch();
  content->addLayout(buttons);
}

void CheckScreen::setValue(const QString& text) { box_->setText(text); }

void CheckScreen::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  KeyChain::focusBox(box_);
}

void CheckScreen::controlla() {
  const CheckReport report = check_(box_->text());
  Services::messages().show(this, kindOf(report), report.message);
  if (report.asksToRetype())
    KeyChain::focusBox(box_);
  else
    accept();
}
