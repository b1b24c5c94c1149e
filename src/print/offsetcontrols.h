#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "report/length.h"

class QGridLayout;
class QLineEdit;
class QWidget;

namespace velinda {

// The offset rows that the print screens share: for the top and for the
// left offset a title, "-", a read-only box in millimetres, "+" and
// "Applica". "-" and "+" move the box's whole number by one, refusing a box
// that does not hold one with the conversion error; "Applica" hands the key
// ("Superiore" or "Sinistro") and the box's trimmed text to the screen,
// which stores them.
class OffsetControls : public QObject {
  Q_OBJECT
 public:
  using Apply = std::function<void(const QString& key, const QString& value)>;

  // Fills rows 0 and 1 of the grid, six columns; `screen` owns the controls.
  OffsetControls(QGridLayout* grid, QWidget* screen, Apply apply);

  QLineEdit* top() const { return top_; }
  QLineEdit* left() const { return left_; }

  // The offsets to print with. Throw OffsetConversionError when a box does
  // not hold a number.
  Length topOffset() const;
  Length leftOffset() const;

 private:
  void step(QLineEdit* box, int delta);

  QWidget* screen_;
  QLineEdit* top_;
  QLineEdit* left_;
};

}  // namespace velinda
