#include "search/screenpieces.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/controls.h"
#include "widgets/gradientwidget.h"
#include "widgets/picture.h"
#include "widgets/palette.h"

using namespace Qt::StringLiterals;

namespace {

// Enter on a focused button presses it, as Enter in the find box leads the
// user to "Trova" and expects the next Enter to find. The buttons are not
// dialog defaults, so Enter anywhere else presses nothing.
class EnterPresses : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    static_cast<QPushButton*>(watched)->click();
    return true;
  }
};

}  // namespace

namespace ScreenPieces {

QFont verdana(int points, bool bold) { return Controls::font(u"Verdana"_s, points, bold); }

QPushButton* button(const QString& name, const QString& text, const QRect& geometry,
                    QWidget* parent) {
  QPushButton* b = Controls::button(name, text, geometry, parent);
  b->setCursor(Qt::PointingHandCursor);
  b->setAutoDefault(false);
  b->installEventFilter(new EnterPresses(b));
  return b;
}

QLabel* textPicture(const QString& name, const QStringList& lines, const QRect& geometry,
                    QWidget* parent) {
  QPixmap picture = blankPixmap(geometry.size());
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const int rowHeight = geometry.height() / int(qMax<qsizetype>(lines.size(), 1));
  // The largest size at which every line fits the picture's width.
  QFont font = verdana(10);
  auto fits = [&](const QFont& f) {
    const QFontMetrics metrics(f);
    if (metrics.height() > rowHeight) return false;
    for (const QString& line : lines)
      if (metrics.horizontalAdvance(line) > geometry.width()) return false;
    return true;
  };
  while (font.pointSizeF() > 6 && !fits(font)) font.setPointSizeF(font.pointSizeF() - 0.5);
  painter.setFont(font);
  painter.setPen(Palette::kInk);
  for (int i = 0; i < lines.size(); ++i)
    painter.drawText(QRect(0, i * rowHeight, geometry.width(), rowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
  painter.end();

  QLabel* l = Controls::label(name, {}, geometry, parent);
  l->setPixmap(picture);
  l->setAccessibleName(lines.join(u' '));
  return l;
}

QLabel* fittedPicture(const QString& name, const QString& resource, const QRect& geometry,
                      QWidget* parent) {
  QPixmap picture = blankPixmap(geometry.size());
  const QSizeF own = artSize(resource);
  if (!own.isEmpty()) {
    const QSizeF fit = own.scaled(geometry.size(), Qt::KeepAspectRatio);
    QPainter painter(&picture);
    drawArt(painter, resource,
            QRectF(QPointF((geometry.width() - fit.width()) / 2,
                           (geometry.height() - fit.height()) / 2),
                   fit));
  }
  QLabel* l = Controls::label(name, {}, geometry, parent);
  l->setPixmap(picture);
  return l;
}

QWidget* background(QDialog* screen) {
  auto* gradient = new GradientWidget(Palette::kSteelBlue, Palette::kWhite, screen);
  auto* layout = new QVBoxLayout(screen);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(gradient);
  return gradient;
}

}  // namespace ScreenPieces
