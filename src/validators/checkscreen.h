#pragma once

#include <QDialog>
#include <functional>

#include "validators/checkreport.h"

class QLineEdit;
class QPushButton;

namespace velinda {

// The shape every check screen shares: a logo, a title, one box in a large
// fixed-pitch font, "Controlla" and "Chiudi". "Controlla" shows the check's
// message; a request to retype keeps the screen open with the focus back in
// the box, a verdict closes it.
class CheckScreen : public QDialog {
  Q_OBJECT
 public:
  // Fills the box as the caller found the value, without the typing rules.
  void setValue(const QString& text);

 protected:
  struct Setup {
    QString caption;
    QString title;
    QString boxName;
    QString boxAccessibleName;
    int maxLength = 0;
    bool upperCase = false;   // trimmed and in capitals after every keystroke
    bool digitsOnly = false;  // keys other than digits are swallowed
    std::function<CheckReport(const QString&)> check;
  };

  CheckScreen(const Setup& setup, QWidget* parent);

  void showEvent(QShowEvent* event) override;

 private:
  void buildControls(const Setup& setup);
  void controlla();

  std::function<CheckReport(const QString&)> check_;
  QLineEdit* box_ = nullptr;
  QPushButton* btnControlla_ = nullptr;
};

}  // namespace velinda
