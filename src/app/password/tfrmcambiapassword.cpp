#include "app/password/tfrmcambiapassword.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "app/password/passwordmessages.h"
#include "app/password/passwordstore.h"
#include "app/password/passwordwindow.h"
#include "app/password/tfrmpassword.h"
#include "core/text.h"
#include "platform/guardedaction.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "widgets/controls.h"
#include "widgets/enterfocuschain.h"

namespace velinda {

namespace {

constexpr int kBoxLeft = 153;
constexpr int kBoxWidth = 300;

// A caption and, under it, its masked box.
QLineEdit* makeCaptionedBox(const QString& objectName, const QString& caption, int top,
                            QWidget* parent) {
  QLabel* label = Controls::label({}, caption, QRect(kBoxLeft, top, kBoxWidth, 20), parent);
  QString accessibleName = caption;
  accessibleName.chop(1);  // the colon
  auto* box = PasswordWindow::makePasswordBox(objectName, accessibleName, parent);
  box->setGeometry(kBoxLeft, top + 20, kBoxWidth, 26);
  label->setBuddy(box);
  return box;
}

}  // namespace

TfrmCambiaPassword::TfrmCambiaPassword(TfrmPassword* login) : login_(login) {
  setObjectName(QStringLiteral("TfrmCambiaPassword"));
  PasswordWindow::setUp(this, QStringLiteral(" Cambia password"), 320);

  txtPasswordOld_ = makeCaptionedBox(QStringLiteral("txtPasswordOld"),
                                     QStringLiteral("Vecchia password:"), 92, this);
  txtPasswordNew_ = makeCaptionedBox(QStringLiteral("txtPasswordNew"),
                                     QStringLiteral("Nuova password:"), 148, this);
  txtConferma_ = makeCaptionedBox(QStringLiteral("txtConferma"),
                                  QStringLiteral("Conferma nuova password:"), 204, this);
  cmdOK_ = Controls::button(QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(173, 270, 120, 32),
                            this);
  cmdEsci_ = Controls::button(QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"),
                              QRect(313, 270, 120, 32), this);
  cmdOK_->setEnabled(false);

  // Enter only walks round the boxes; OK needs a deliberate press.
  keys_ = new EnterFocusChain(this);
  const QList<QLineEdit*> boxes{txtPasswordOld_, txtPasswordNew_, txtConferma_};
  keys_->loop(boxes);
  for (QLineEdit* box : boxes) {
    connect(box, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOk);
    box->installEventFilter(this);
  }

  connect(cmdOK_, &QPushButton::clicked, this, guarded(this, &TfrmCambiaPassword::cmdOKClick));
  connect(cmdEsci_, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmCambiaPassword::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Restored by the window system, the screen keeps what was typed.
  if (event->spontaneous()) return;
  txtPasswordOld_->clear();
  txtPasswordNew_->clear();
  txtConferma_->clear();
  txtPasswordOld_->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event) {
  // Closing an already hidden screen (as when the program closes every
  // window) must not bring the login screen back.
  if (isVisible()) login_->showEmpty();
  event->accept();
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease) updateOk();
  return QWidget::eventFilter(watched, event);
}

void TfrmCambiaPassword::updateOk() {
  cmdOK_->setEnabled(!Text::trimmed(txtPasswordOld_->text()).isEmpty() &&
                     !Text::trimmed(txtPasswordNew_->text()).isEmpty() &&
                     !Text::trimmed(txtConferma_->text()).isEmpty());
}

void TfrmCambiaPassword::refuse(const QString& message, QLineEdit* focusBox,
                                const QList<QLineEdit*>& boxesToEmpty) {
  Services::messages().plain(this, message);
  for (QLineEdit* box : boxesToEmpty) box->clear();
  focusBox->setFocus();
}

void TfrmCambiaPassword::cmdOKClick() {
  QString stored;
  try {
    stored = PasswordStore::read();
  } catch (const std::exception&) {
    Services::messages().plain(this, PasswordMessages::kChangeFailed);
    return;
  }
  if (PasswordStore::prepare(txtPasswordOld_->text()) != stored) {
    refuse(PasswordMessages::kWrongOldPassword, txtPasswordOld_, {txtPasswordOld_});
    return;
  }
  // Confirmation compares what was typed, letter case included.
  if (Text::trimmed(txtPasswordNew_->text()) != Text::trimmed(txtConferma_->text())) {
    refuse(PasswordMessages::kNotConfirmed, txtPasswordNew_, {txtPasswordNew_, txtConferma_});
    return;
  }
  // Stored as it stands, such a password would match nothing anyone can
  // type, locking every user out.
  const QString newPassword = PasswordStore::prepare(txtPasswordNew_->text());
  if (!PasswordStore::canHold(newPassword)) {
    refuse(PasswordMessages::kUnstorable, txtPasswordNew_, {txtPasswordNew_, txtConferma_});
    return;
  }
  try {
    PasswordStore::write(newPassword);
  } catch (const std::exception&) {
    Services::messages().plain(this, PasswordMessages::kChangeFailed);
    return;
  }
  Services::messages().plain(this, PasswordMessages::kChanged);
  close();
}

}  // namespace velinda
