#include "report/page.h"

#include "core/unknownname.h"

namespace velinda {

Page::Page(PaperSize paper, Orientation orientation) : paper_(paper), orientation_(orientation) {}

Length Page::paperWidth() const {
  return orientation_ == Orientation::Upright ? paper_.width : paper_.height;
}

Length Page::paperHeight() const {
  return orientation_ == Orientation::Upright ? paper_.height : paper_.width;
}

void Page::setMargins(Length top, Length left) {
  topMargin_ = top;
  leftMargin_ = left;
}

void Page::add(PageItem item) { items_.push_back(std::move(item)); }

TextBox* Page::findText(const QString& name) {
  for (PageItem& item : items_) {
    if (auto* box = std::get_if<TextBox>(&item); box && box->name == name) return box;
  }
  throw UnknownName(u"page", name);
}

const TextBox& Page::textBox(const QString& name) const {
  return *const_cast<Page*>(this)->findText(name);
}

QString Page::text(const QString& name) const { return textBox(name).text; }

void Page::setText(const QString& name, const QString& text) { findText(name)->text = text; }

BoxGeometry Page::paperBox(const BoxGeometry& box) const {
  return box.movedBy(leftMargin_, topMargin_);
}

}  // namespace velinda
