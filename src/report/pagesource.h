#pragma once

#include <vector>

#include "report/page.h"

namespace velinda {

// Pages handed out one at a time, so that a long print never holds them
// all: a page is made when it is painted and let go after.
class PageSource {
 public:
  virtual ~PageSource() = default;
  virtual int count() const = 0;
  // The page at `index`, counted from 0. Printing asks mostly in order; a
  // page may be asked for again.
  virtual Page page(int index) = 0;
};

// Pages prepared beforehand.
class PageList : public PageSource {
 public:
  explicit PageList(const std::vector<Page>& pages) : pages_(pages) {}
  int count() const override { return int(pages_.size()); }
  Page page(int index) override { return pages_[size_t(index)]; }

 private:
  const std::vector<Page>& pages_;
};

// The pages from `first` to `last` (counted from 1) of another source,
// `copies` times over.
class PageRange : public PageSource {
 public:
  PageRange(PageSource& pages, int first, int last, int copies)
      : pages_(pages), first_(first), length_(last - first + 1), copies_(copies) {}
  int count() const override { return length_ > 0 ? length_ * copies_ : 0; }
  Page page(int index) override { return pages_.page(first_ - 1 + index % length_); }

 private:
  PageSource& pages_;
  int first_;
  int length_;
  int copies_;
};

}  // namespace velinda
