#pragma once

#include "printaids/aidscreen.h"
#include "report/page.h"

class QSpinBox;

namespace velinda {

// Prints the calibration sheet of one form and takes the shift that the
// user reads on it, in whole millimetres. "Applica" closes the screen as
// accepted; the print screen that opened it then shows the two values as
// its offsets and stores them as its own "Applica" buttons do.
class CalibrationScreen : public AidScreen {
  Q_OBJECT
 public:
  // `top` and `left` are the offsets the print screen shows now.
  CalibrationScreen(Page sheet, const QString& formName, int top, int left,
                    QWidget* parent = nullptr);

  int top() const;
  int left() const;

 private:
  void printSheet();

  Page sheet_;
  QString formName_;
  QSpinBox* down_;
  QSpinBox* right_;
};

}  // namespace velinda
