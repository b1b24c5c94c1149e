#include "search/highlightframe.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>

#include "widgets/palette.h"

namespace velinda {

namespace {
constexpr int kMargin = 4;
}  // namespace

HighlightFrame::HighlightFrame(const QString& objectName, QLineEdit* box)
    : QWidget(box->parentWidget()) {
  setObjectName(objectName);
  setGeometry(box->geometry().adjusted(-kMargin, -kMargin, kMargin, kMargin));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  stackUnder(box);
  setVisible(box->hasFocus());
  box->installEventFilter(this);
}

bool HighlightFrame::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::FocusIn) show();
  if (event->type() == QEvent::FocusOut) hide();
  return false;
}

void HighlightFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The border fades from yellow to white, ring by ring, towards the edge.
  for (int ring = 0; ring < kMargin; ++ring) {
    const qreal towardsWhite = qreal(kMargin - ring) / kMargin;
    const QColor colour = QColor::fromRgbF(1.0, 1.0, towardsWhite);
    painter.fillRect(rect().adjusted(ring, ring, -ring, -ring), colour);
  }
  painter.fillRect(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin), Palette::kYellow);
}

}  // namespace velinda
