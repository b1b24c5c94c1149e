#include "app/password/tfrmpassword.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/password/passwordmessages.h"
#include "app/password/passwordstore.h"
#include "app/password/passwordwindow.h"
#include "app/password/tfrmcambiapassword.h"
#include "core/text.h"
#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"

namespace velinda {

TfrmPassword::TfrmPassword(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TfrmPassword"));
  PasswordWindow::setUp(this, QStringLiteral(" Velinda - Accesso al programma"), 230);

  lblRigo05_ = Controls::label(QStringLiteral("lblRigo05"),
                               QStringLiteral("Immetti la password e premi OK."),
                               QRect(10, 95, 587, 22), this);
  lblRigo05_->setAlignment(Qt::AlignCenter);

  txtPassword_ = PasswordWindow::makePasswordBox(QStringLiteral("txtPassword"),
                                                 QStringLiteral("Password"), this);
  txtPassword_->setFont(Fonts::verdana(14, true));
  txtPassword_->setGeometry(153, 125, 300, 34);
  lblRigo05_->setBuddy(txtPassword_);

  cmdOK_ = Controls::button(QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(98, 180, 120, 32),
                            this);
  cmdEsci_ = Controls::button(QStringLiteral("cmdEsci"), QStringLiteral("Esci"),
                              QRect(228, 180, 120, 32), this);
  btnCambiaPassword_ =
      Controls::button(QStringLiteral("btnCambiaPassword"), QStringLiteral("Cambia password"),
                       QRect(358, 180, 150, 32), this);
  cmdOK_->setEnabled(false);

  connect(cmdOK_, &QPushButton::clicked, this, guarded(this, &TfrmPassword::cmdOKClick));
  connect(cmdEsci_, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
  connect(btnCambiaPassword_, &QPushButton::clicked, this,
          guarded(this, &TfrmPassword::btnCambiaPasswordClick));
  connect(txtPassword_, &QLineEdit::textChanged, this, &TfrmPassword::updateOk);
  connect(txtPassword_, &QLineEdit::returnPressed, this,
          guarded(this, &TfrmPassword::txtPasswordReturnPressed));
  txtPassword_->installEventFilter(this);
}

void TfrmPassword::setChangeScreen(TfrmCambiaPassword* changeScreen) {
  changeScreen_ = changeScreen;
}

void TfrmPassword::showEmpty() {
  txtPassword_->clear();
  show();
  txtPassword_->setFocus();
}

void TfrmPassword::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  txtPassword_->setFocus();
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtPassword_ && event->type() == QEvent::KeyRelease) updateOk();
  return QWidget::eventFilter(watched, event);
}

void TfrmPassword::updateOk() {
  cmdOK_->setEnabled(!Text::trimmed(txtPassword_->text()).isEmpty());
}

void TfrmPassword::txtPasswordReturnPressed() {
  if (!Text::trimmed(txtPassword_->text()).isEmpty()) cmdOKClick();
}

void TfrmPassword::cmdOKClick() {
  QString stored;
  try {
    stored = PasswordStore::read();
  } catch (const std::exception&) {
    Services::messages().plain(this, PasswordMessages::kReadFailed);
    return;
  }
  // A missing store reads as empty, and the box is never empty here, so a
  // missing store refuses every password.
  if (PasswordStore::prepare(txtPassword_->text()) == stored) {
    hide();
    emit loginSucceeded();
    return;
  }
  Services::messages().plain(this, PasswordMessages::kWrongPassword);
  txtPassword_->clear();
  txtPassword_->setFocus();
}

void TfrmPassword::cmdEsciClick() {
  close();
  emit exitRequested();
}

void TfrmPassword::btnCambiaPasswordClick() {
  if (!changeScreen_) return;
  changeScreen_->show();
  hide();
}

}  // namespace velinda
