#pragma once

#include <functional>
#include <vector>

#include "report/page.h"
#include "report/pagesource.h"
#include "report/printservice.h"

class QPainter;
class QPagedPaintDevice;

namespace velinda {

// What a page shows besides its items. Paper only ever gets the items; the
// extras are for the screen.
struct PaintOptions {
  // A faint outline round every text box, so that the boxes of a form show
  // on screen with a text cut at a box edge or fallen out of place.
  bool boxOutlines = false;
};

// Paints a prepared page with positions measured from the paper's top-left
// corner of the painter's device (a printer in full-page mode, a PDF writer
// with zero margins, or an image); the device's resolution turns millimetres
// into dots.
void paintPage(QPainter& painter, const Page& page, const PaintOptions& options = {});

// Sets the device's paper size and orientation to the page's, with zero
// margins, so that the painter's origin is the paper's corner.
void applyPageLayout(QPagedPaintDevice& device, const Page& page);

// Makes the device's sheet ready for a page: its size and orientation, the
// painter's origin at the paper's corner. Throws PrintError when it cannot.
using SheetSetter = std::function<void(QPagedPaintDevice& device, const Page& page)>;

// Paints the pages one per sheet, each made ready by `setSheet` (by default
// applyPageLayout), asking the source for each page only as it is painted,
// and tells `progress` as it goes. Throws PrintError when the device refuses
// to paint.
void renderPages(QPagedPaintDevice& device, PageSource& pages, const PageProgress& progress = {},
                 const SheetSetter& setSheet = {});
void renderPages(QPagedPaintDevice& device, const std::vector<Page>& pages,
                 const PageProgress& progress = {});

}  // namespace velinda
