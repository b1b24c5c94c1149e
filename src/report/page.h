#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "report/length.h"

namespace velinda {

enum class Orientation { Upright, Sideways };

// The paper as designed upright; sideways swaps width and height.
struct PaperSize {
  Length width;
  Length height;
  static constexpr PaperSize a4() { return {210_mm, 297_mm}; }
};

// No offset moves the print further than the longest paper the forms use:
// beyond that a value is as unusable as one that is not a number.
inline constexpr int kLargestOffsetMm = 297;

struct FontSpec {
  QString family;
  double points = 10.0;
  bool bold = false;
  QColor colour = Qt::black;
};

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };

// A box of literal text. Text never spills over the box edges: what does not
// fit is cut. With a line pitch, each text line sits at that fixed pitch below
// the previous one, which lets a long list be split between pages at line
// boundaries; without one, the font's own line spacing applies.
struct TextBox {
  QString name;
  BoxGeometry box;
  FontSpec font;
  HAlign hAlign = HAlign::Left;
  VAlign vAlign = VAlign::Top;
  bool wrap = false;
  std::optional<QColor> fill;
  QString text;
  Length linePitch;
};

struct RectangleItem {
  BoxGeometry box;
  std::optional<QColor> fill;
  std::optional<QColor> outline;
  Length outlineWidth = Length::mm(0.2);
};

struct LineItem {
  Length x1;
  Length y1;
  Length x2;
  Length y2;
  QColor colour = Qt::black;
  Length width = Length::mm(0.2);
};

using PageItem = std::variant<TextBox, RectangleItem, LineItem>;

// One prepared page: paper, orientation, the top and left margins that shift
// the whole content, and the items in painting order. Item positions are
// relative to the margins; paperBox() gives where they land on the paper.
class Page {
 public:
  explicit Page(PaperSize paper = PaperSize::a4(), Orientation orientation = Orientation::Upright);

  PaperSize paper() const { return paper_; }
  Orientation orientation() const { return orientation_; }
  void setOrientation(Orientation orientation) { orientation_ = orientation; }
  Length paperWidth() const;
  Length paperHeight() const;

  Length topMargin() const { return topMargin_; }
  Length leftMargin() const { return leftMargin_; }
  void setMargins(Length top, Length left);

  void add(PageItem item);
  const std::vector<PageItem>& items() const { return items_; }

  // Text boxes by name; an unknown name is a programming error and throws
  // UnknownName.
  QString text(const QString& name) const;
  void setText(const QString& name, const QString& text);
  const TextBox& textBox(const QString& name) const;

  // Where a box lands, measured from the paper's top-left corner.
  BoxGeometry paperBox(const BoxGeometry& box) const;

 private:
  TextBox* findText(const QString& name);

  PaperSize paper_;
  Orientation orientation_;
  Length topMargin_;
  Length leftMargin_;
  std::vector<PageItem> items_;
};

}  // namespace velinda
