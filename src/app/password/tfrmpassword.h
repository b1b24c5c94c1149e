#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velinda {

class TfrmCambiaPassword;

// The login screen, the program's main window. A correct password hides it
// for good and reports loginSucceeded(); the change-password screen always
// leads back here.
class TfrmPassword : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmPassword(QWidget* parent = nullptr);

  // The change-password screen is created after this one at start-up.
  void setChangeScreen(TfrmCambiaPassword* changeScreen);

  // Shows the screen again with an empty box, as after a password change.
  void showEmpty();

 signals:
  void loginSucceeded();
  void exitRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void cmdOKClick();
  void cmdEsciClick();
  void btnCambiaPasswordClick();
  void txtPasswordReturnPressed();
  void updateOk();

  QLabel* lblRigo05_;
  QLineEdit* txtPassword_;
  QPushButton* cmdOK_;
  QPushButton* cmdEsci_;
  QPushButton* btnCambiaPassword_;
  TfrmCambiaPassword* changeScreen_ = nullptr;
};

}  // namespace velinda
