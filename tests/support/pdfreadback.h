#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include "support/ink.h"

namespace velinda {

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

// A page as a viewer shows it: a page the PDF turns a quarter (as a printer
// driver turns a sideways page laid on upright paper) has its width and
// height swapped, like its words' positions.
struct PdfPage {
  double width;  // mm
  double height;
  QList<PdfWord> words;
};

QList<PdfPage> pdfPages(const QString& pdf);

// The words of a PDF, in reading order, laid out in lines as on the page
// (pdftotext -layout).
QString pdfText(const QString& pdf);

// The words of every page, in order.
QList<PdfWord> pdfWords(const QString& pdf);

// The first word of that text; a missing one ends the test run.
const PdfWord& findWord(const QList<PdfWord>& words, const QString& text);

// The page (counted from 1) rendered in grey by pdftoppm at
// kImageDotsPerMm, written into `folder`. Lines are drawn without smoothing,
// so that a hairline inks at least one whole dot.
QImage pdfImage(const QString& pdf, const QString& folder, int page = 1);

}  // namespace velinda
