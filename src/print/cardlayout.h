#pragma once

#include <QDateTime>
#include <QRgb>
#include <QString>
#include <span>

#include "core/formtexts.h"
#include "report/page.h"

namespace velinda {

// The address-book card sheet: one A4 page on plain paper with its own title,
// frame and labels, one row per item of the card. Positions are measured
// inside the 10 mm page margins.

// One fixed piece of the sheet that does not belong to a row.
struct CardFurniture {
  enum class Kind {
    Band,          // rectangle with a fill and a thin black outline
    Text,          // text box, centred horizontally, at the top
    VerticalLine,  // thin black line from (left, top) down by height
  };
  Kind kind;
  const char* name;  // text boxes only
  BoxGeometry box;
  QRgb fill;         // bands only
  double points;     // text boxes only
  const char* text;  // text boxes only
};

// One row of the sheet: its fixed label, the value box (named after the
// address-book control it shows) and where the value comes from, written as
// a FormLayout content pattern ("{txtIndirizzo} {txtNum}").
struct CardRow {
  const char* label;
  const char* valueBox;
  const char* content;
};

namespace CardLayout {

inline constexpr int kRowCount = 26;

std::span<const CardFurniture> furniture();
std::span<const CardRow> rows();

// The top of a row's frame, rows counted from 1.
Length rowTop(int row);

// The name of the label box of a row: "lbl" and the value box's name without
// its prefix ("txtNome" -> "lblNome").
QString labelBoxName(const CardRow& row);

// The empty sheet: A4 upright, 10 mm margins, furniture, frames and labels,
// every value box and the footer empty.
Page page();

// "Stampa eseguita in data 07/03/2026 alle ore 09:05:03".
QString footer(const QDateTime& printedAt);

// The address-book controls the rows read.
FormControls controls();

// Sets every value box from the card's texts, and the footer to the given
// moment. A control that was not taken raises UnknownName.
void fill(Page& page, const FormTexts& texts, const QDateTime& printedAt);

}  // namespace CardLayout

}  // namespace velinda
