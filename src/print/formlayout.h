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

// Where the boxes of a form take their texts from: the controls of the
// screen that shows a card, or the fields of a card read from its archive.
class FormSource {
 public:
  virtual ~FormSource() = default;
  // The trimmed text of the text box `name` ("txtDestinatario").
  virtual QString text(const QString& name) const = 0;
  // Whether the check box `name` ("chkAvviso") is ticked.
  virtual bool ticked(const QString& name) const = 0;
};

// The controls of a screen as they are now. A control that the screen does
// not have throws UnknownName.
class ScreenSource : public FormSource {
 public:
  explicit ScreenSource(const QWidget& screen) : screen_(screen) {}
  QString text(const QString& name) const override;
  bool ticked(const QString& name) const override;

 private:
  const QWidget& screen_;
};

namespace FormLayout {

// What the form calls the box, for the user ("CAP destinatario, cifra 1",
// "C/C postale"), by the box's name.
QString caption(const QString& boxName);

// The form's page: A4 upright, margins 0, every box Arial regular black,
// one line, cut at its edges, text empty.
Page page(std::span<const FormBox> boxes);

// The box's text from the source.
QString content(const char* pattern, const FormSource& source);
// The same from the source screen as it is now. A control that the source
// does not have throws UnknownName.
QString content(const char* pattern, const QWidget& source);

// The page with every box filled from the source.
void fill(Page& page, std::span<const FormBox> boxes, const FormSource& source);
void fill(Page& page, std::span<const FormBox> boxes, const QWidget& source);

// The form's page as it prints: turned as chosen, shifted by the top and
// left offsets, every box filled from the source.
Page printedPage(std::span<const FormBox> boxes, Orientation orientation, Length top,
                 Length left, const FormSource& source);

}  // namespace FormLayout
