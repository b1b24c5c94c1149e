#include "search/listscreenframe.h"

#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "widgets/fonts.h"
#include "widgets/gradientwidget.h"
#include "widgets/palette.h"
#include "widgets/picture.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace ListScreenFrame {

QLabel* textPicture(const QString& name, const QStringList& lines, const QRect& geometry,
                    QWidget* parent) {
  QPixmap picture = blankPixmap(geometry.size());
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const int rowHeight = geometry.height() / int(qMax<qsizetype>(lines.size(), 1));
  // The largest size at which every line fits the picture's width.
  QFont font = Fonts::verdana(10);
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

QWidget* background(QDialog* screen) {
  auto* gradient = new GradientWidget(Palette::kSteelBlue, Palette::kWhite, screen);
  auto* layout = new QVBoxLayout(screen);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(gradient);
  return gradient;
}

}  // namespace ListScreenFrame

}  // namespace velinda
