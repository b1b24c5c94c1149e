#pragma once

#include <vector>

#include "report/page.h"

namespace velinda {

// A horizontal strip of the report, as wide as the area inside the margins.
// Item positions are relative to the band's top-left corner.
struct Band {
  Length height;
  std::vector<PageItem> items;
};

struct PageMargins {
  Length top;
  Length left;
  Length bottom;
  Length right;
};

// A report of three bands: the title once at the top of the first page, the
// data band below it, and the footer once after the data band. A data band
// taller than the room left on a page continues at the top of the next one;
// text boxes with a line pitch are split between lines, never through one.
class BandedReport {
 public:
  BandedReport(PaperSize paper, Orientation orientation, PageMargins margins);

  Band title;
  Band data;
  Band footer;

  std::vector<Page> pages() const;

 private:
  PaperSize paper_;
  Orientation orientation_;
  PageMargins margins_;
};

}  // namespace velinda
