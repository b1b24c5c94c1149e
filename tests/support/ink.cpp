#include "support/ink.h"

#include <QPainter>

#include "report/page.h"
#include "report/pagepainter.h"

namespace velinda {

QImage paintedPage(const Page& page) {
  QImage image(qRound(page.paperWidth().toMm() * kImageDotsPerMm),
               qRound(page.paperHeight().toMm() * kImageDotsPerMm), QImage::Format_RGB32);
  image.setDotsPerMeterX(kImageDotsPerMm * 1000);
  image.setDotsPerMeterY(kImageDotsPerMm * 1000);
  image.fill(Qt::white);
  QPainter painter(&image);
  paintPage(painter, page);
  return image;
}

int inkedDots(const QImage& image, double leftMm, double rightMm, double topMm, double bottomMm,
              int greyBelow) {
  int count = 0;
  for (int x = int(leftMm * kImageDotsPerMm); x < int(rightMm * kImageDotsPerMm); ++x)
    for (int y = int(topMm * kImageDotsPerMm); y < int(bottomMm * kImageDotsPerMm); ++y)
      if (qGray(image.pixel(x, y)) < greyBelow) ++count;
  return count;
}

}  // namespace velinda
