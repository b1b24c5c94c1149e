#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "report/page.h"

namespace velinda {

// Fonts as they print: the font the page painter draws a box's text in,
// and how wide a text comes out on paper.
namespace PaperFont {

QFont of(const FontSpec& spec);

// The width of one line of text in that font on paper.
Length width(const FontSpec& spec, const QString& text);

// The lines broken between words so that none is wider than `width`; a
// word wider than the width alone is broken between its letters. Nothing is
// left out.
QStringList wrapped(const QStringList& lines, const FontSpec& spec, Length width);

}  // namespace PaperFont

}  // namespace velinda
