#pragma once

#include <QColor>
#include <QWidget>

namespace velinda {

// A widget filled with a vertical gradient, from `top` to `bottom`.
class GradientWidget : public QWidget {
  Q_OBJECT
 public:
  GradientWidget(QColor top, QColor bottom, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor top_;
  QColor bottom_;
};

// A plain filled rectangle with an optional border, for the white sheets,
// frames and bars the screens are drawn with.
class PanelBox : public QWidget {
  Q_OBJECT
 public:
  PanelBox(QColor fill, QColor border = {}, int borderWidth = 1, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
  QColor border_;
  int borderWidth_;
};

}  // namespace velinda
