#include "report/bandedreport.h"

#include <cmath>
#include <map>

namespace velinda {

namespace {

// Rounding of the millimetre arithmetic must not push a line that fits
// exactly onto the next page.
constexpr Length kTolerance = Length::mm(1e-6);

Length itemTop(const PageItem& item) {
  if (const auto* text = std::get_if<TextBox>(&item)) return text->box.top;
  if (const auto* rect = std::get_if<RectangleItem>(&item)) return rect->box.top;
  const auto& line = std::get<LineItem>(item);
  return std::min(line.y1, line.y2);
}

PageItem movedDown(PageItem item, Length dy) {
  if (auto* text = std::get_if<TextBox>(&item)) {
    text->box.top += dy;
  } else if (auto* rect = std::get_if<RectangleItem>(&item)) {
    rect->box.top += dy;
  } else {
    auto& line = std::get<LineItem>(item);
    line.y1 += dy;
    line.y2 += dy;
  }
  return item;
}

bool isFlowing(const PageItem& item) {
  const auto* text = std::get_if<TextBox>(&item);
  return text && text->linePitch > Length();
}

// The lines of a flowing text box (`lines`, its text split once) that start
// within [from, to) of the band, as a box of their own.
std::optional<TextBox> flowingSlice(const TextBox& box, const QStringList& lines, Length from,
                                    Length to) {
  const int first = std::max(0, int(std::ceil((from - box.box.top) / box.linePitch - 1e-9)));
  const Length top = box.box.top + box.linePitch * first;
  const Length bottom = std::min(box.box.bottom(), to);
  const bool startsHere = box.box.top >= from && box.box.top < to;
  if (bottom <= top && !startsHere) return std::nullopt;

  TextBox slice = box;
  slice.box.top = top;
  slice.box.height = std::max(bottom - top, Length());
  const int count = int(std::floor(slice.box.height / box.linePitch + 1e-9));
  slice.text = box.text.isEmpty() ? QString() : lines.mid(first, count).join(u'\n');
  return slice;
}

// The highest cut at or above `limit` that does not run through a line.
Length cutBetweenLines(const Band& band, Length from, Length limit) {
  Length cut = limit;
  for (const PageItem& item : band.items) {
    if (!isFlowing(item)) continue;
    const TextBox& box = std::get<TextBox>(item);
    if (cut <= box.box.top || cut >= box.box.bottom()) continue;
    const double linesAbove = std::floor((cut - box.box.top) / box.linePitch + 1e-9);
    const Length lineTop = box.box.top + box.linePitch * linesAbove;
    if (lineTop + kTolerance < cut && lineTop > from) cut = lineTop;
  }
  return cut;
}

class PageFiller {
 public:
  PageFiller(PaperSize paper, Orientation orientation, PageMargins margins)
      : blank_(paper, orientation), margins_(margins) {
    blank_.setMargins(margins.top, margins.left);
    areaHeight_ = blank_.paperHeight() - margins.top - margins.bottom;
    startPage();
  }

  Length room() const { return areaHeight_ - y_; }
  bool pageIsFresh() const { return y_ <= kTolerance; }

  void startPage() {
    pages_.push_back(blank_);
    y_ = Length();
  }

  void place(const Band& band) {
    for (const PageItem& item : band.items) pages_.back().add(movedDown(item, y_));
    y_ += band.height;
  }

  // The part [from, to) of the band, placed at the current position.
  void placeSlice(const Band& band, Length from, Length to) {
    for (const PageItem& item : band.items) {
      if (isFlowing(item)) {
        const auto& box = std::get<TextBox>(item);
        if (auto slice = flowingSlice(box, linesOf(box), from, to))
          pages_.back().add(movedDown(*slice, y_ - from));
      } else if (const Length top = itemTop(item); top >= from && top < to) {
        pages_.back().add(movedDown(item, y_ - from));
      }
    }
    y_ += to - from;
  }

  std::vector<Page> take() { return std::move(pages_); }

 private:
  // Split once: a long list runs over hundreds of pages.
  const QStringList& linesOf(const TextBox& box) {
    auto found = lines_.find(&box);
    if (found == lines_.end()) found = lines_.emplace(&box, box.text.split(u'\n')).first;
    return found->second;
  }

  Page blank_;
  PageMargins margins_;
  Length areaHeight_;
  Length y_;
  std::vector<Page> pages_;
  std::map<const TextBox*, QStringList> lines_;
};

}  // namespace

BandedReport::BandedReport(PaperSize paper, Orientation orientation, PageMargins margins)
    : paper_(paper), orientation_(orientation), margins_(margins) {}

std::vector<Page> BandedReport::pages() const {
  PageFiller filler(paper_, orientation_, margins_);
  filler.place(title);

  Length done;
  while (true) {
    const Length remaining = data.height - done;
    if (remaining <= filler.room() + kTolerance) {
      filler.placeSlice(data, done, data.height);
      break;
    }
    Length cut = cutBetweenLines(data, done, done + filler.room());
    if (cut <= done) {
      // Not even one line fits below what is already on this page.
      if (!filler.pageIsFresh()) {
        filler.startPage();
        continue;
      }
      cut = done + filler.room();  // a line taller than a page: cut it
    }
    filler.placeSlice(data, done, cut);
    done = cut;
    filler.startPage();
  }

  if (footer.height > filler.room() + kTolerance) filler.startPage();
  filler.place(footer);
  return filler.take();
}

}  // namespace velinda
