#pragma once

#include <QString>
#include <span>

#include "core/formtexts.h"
#include "report/page.h"

namespace velinda {

enum class BoxAlign { LeftTop, CentreCentre, LeftCentre };

// One text box of a pre-printed form and where its text comes from. The
// content names the controls of the card's screen: {txtName} is the trimmed
// text of that text box, [chkName] is "X" when that check box is ticked;
// anything else is printed as it stands ("{txtIndirizzoDes} {txtNumDes}").
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

// What the form calls the box, for the user ("CAP destinatario, cifra 1",
// "C/C postale"), by the box's name.
QString caption(const QString& boxName);

// The form's page: A4 upright, margins 0, every box Arial regular black,
// one line, cut at its edges, text empty.
Page page(std::span<const FormBox> boxes);

// The controls the content, or every box of a form, reads.
FormControls controls(const char* pattern);
FormControls controls(std::span<const FormBox> boxes);

// The box's text from the card's texts. A control that was not taken
// raises UnknownName.
QString content(const char* pattern, const FormTexts& texts);

// The page with every box filled from the card's texts.
void fill(Page& page, std::span<const FormBox> boxes, const FormTexts& texts);

// The form's page as it prints: turned as chosen, shifted by the top and
// left offsets, every box filled from the card's texts.
Page printedPage(std::span<const FormBox> boxes, Orientation orientation, Length top, Length left,
                 const FormTexts& texts);

}  // namespace FormLayout

}  // namespace velinda
