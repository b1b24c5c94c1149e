#pragma once

#include <QImage>
#include <QList>
#include <QString>

// A PDF read back with poppler. pdftotext -bbox gives every word with its box,
// in millimetres from the top-left corner of its page. The left edge is the
// pen position where the word starts, the top the font's ascent above the
// baseline.
struct PdfWord {
  QString text;
  double left;
  double top;
  double right;
  double bottom;

  double centreX() const { return (left + right) / 2; }
  double centreY() const { return (top + bottom) / 2; }
};

struct PdfPage {
  double width;  // mm
  double height;
  QList<PdfWord> words;
};

QList<PdfPage> pdfPages(const QString& pdf);

// The words of every page, in order.
QList<PdfWord> pdfWords(const QString& pdf);

// The first word of that text; a missing one ends the test run.
const PdfWord& findWord(const QList<PdfWord>& words, const QString& text);

// The page (counted from 1) rendered in grey by pdftoppm at 10 dots per
// millimetre, written into `folder`. Lines are drawn without smoothing, so
// that a hairline inks at least one whole dot.
inline constexpr int kImageDotsPerMm = 10;
QImage pdfImage(const QString& pdf, const QString& folder, int page = 1);

// Dots darker than mid-grey in the image's rectangle, in millimetres.
int inkedDots(const QImage& image, double leftMm, double rightMm, double topMm, double bottomMm);
