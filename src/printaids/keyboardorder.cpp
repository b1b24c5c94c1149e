#include "printaids/keyboardorder.h"

#include <QLayout>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

#include "widgets/shortcuttip.h"

namespace velinda {

namespace {

// Controls whose middles lie closer than this are on one row.
constexpr int kRowTolerance = 10;

QPoint middle(const QWidget* widget, const QWidget* screen) {
  return widget->mapTo(screen, widget->rect().center());
}

}  // namespace

namespace KeyboardOrder {

void followReading(QWidget* screen) {
  if (QLayout* layout = screen->layout()) layout->activate();
  QList<QWidget*> controls;
  for (QWidget* child : screen->findChildren<QWidget*>())
    if ((child->focusPolicy() & Qt::TabFocus) && !child->isWindow() &&
        child->focusProxy() == nullptr)
      controls << child;
  std::stable_sort(controls.begin(), controls.end(), [screen](QWidget* a, QWidget* b) {
    return middle(a, screen).y() < middle(b, screen).y();
  });
  // Rows top to bottom, each from the left.
  QList<QWidget*> ordered;
  for (qsizetype start = 0; start < controls.size();) {
    qsizetype end = start + 1;
    const int rowMiddle = middle(controls[start], screen).y();
    while (end < controls.size() && middle(controls[end], screen).y() - rowMiddle < kRowTolerance)
      ++end;
    QList<QWidget*> row = controls.mid(start, end - start);
    std::stable_sort(row.begin(), row.end(), [screen](QWidget* a, QWidget* b) {
      return middle(a, screen).x() < middle(b, screen).x();
    });
    ordered += row;
    start = end;
  }
  for (qsizetype i = 1; i < ordered.size(); ++i) QWidget::setTabOrder(ordered[i - 1], ordered[i]);
}

void makePrintDefault(QPushButton* print) {
  print->setDefault(true);
  giveShortcut(print, QKeySequence::Print);
}

void apply(QWidget* screen, QPushButton* print, QWidget* first) {
  followReading(screen);
  makePrintDefault(print);
  if (first) first->setFocus(Qt::OtherFocusReason);
}

}  // namespace KeyboardOrder

}  // namespace velinda
