#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace velinda {

class EnterFocusChain;
class TfrmPassword;

// The change-password screen: replaces the stored password after checking
// the old one. However it closes, the login screen comes back, empty; a
// successful change does not log the user in.
class TfrmCambiaPassword : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmCambiaPassword(TfrmPassword* login);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void cmdOKClick();
  void updateOk();
  void refuse(const QString& message, QLineEdit* focusBox, const QList<QLineEdit*>& boxesToEmpty);

  TfrmPassword* login_;
  QLineEdit* txtPasswordOld_;
  QLineEdit* txtPasswordNew_;
  QLineEdit* txtConferma_;
  QPushButton* cmdOK_;
  QPushButton* cmdEsci_;
  EnterFocusChain* keys_;
};

}  // namespace velinda
