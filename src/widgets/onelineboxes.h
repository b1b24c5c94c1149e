#pragma once

#include <QObject>

namespace velinda {

// Gives every text box of the program, on every screen made now or later
// (grid cells being edited included), the rule that a pasted or dropped line
// break becomes a blank: a one-line box must not store a break in a record,
// where it would split list lines and summary rows. Installed once, on the
// application.
class OneLineBoxes : public QObject {
 public:
  static void install();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
};

}  // namespace velinda
