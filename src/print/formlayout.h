#pragma once

#include <QString>
#include <span>

#include "report/page.h"

class QWidget;

enum class BoxAlign { LeftTop, CentreCentre, LeftCentre };

// One text box of a pre-printed form and where its text comes from. The
// content names the source screen's controls: {txtName} is the trimmed text
// of that text box, [chkName] is "X" when that check box is ticked; anything
// else is printed as it stands ("{txtIndirizzoDes} {txtNumDes}").
struct FormBox {
  const char* name;
  Length left;
  Length top;
  Length width;
  Length height;
  double points;
  BoxAlign align;
  const char* content;
};

namespace FormLayout {

// The form's page: A4 upright, margins 0, every box Arial regular black,
// one line, cut at its edges, text empty.
Page page(std::span<const FormBox> boxes);

// The box's text from the source screen as it is now. A control that the
// source does not have throws std::invalid_argument.
QString content(const char* pattern, const QWidget& source);

// The page with every box filled from the source.
void fill(Page& page, std::span<const FormBox> boxes, const QWidget& source);

}  // namespace FormLayout
