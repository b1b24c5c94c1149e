#pragma once

#include <QImage>

namespace velinda {

class Page;

// Pages looked at as images at 10 dots per millimetre, for where ink falls.
inline constexpr int kImageDotsPerMm = 10;

// The page painted on white paper of its own size.
QImage paintedPage(const Page& page);

// Dots in the image's rectangle, given in millimetres, whose grey is darker
// than `greyBelow` (mid-grey unless told).
int inkedDots(const QImage& image, double leftMm, double rightMm, double topMm, double bottomMm,
              int greyBelow = 128);

}  // namespace velinda
