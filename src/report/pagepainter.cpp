#include "report/pagepainter.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "report/paperfont.h"
#include "report/printservice.h"
#include "widgets/palette.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

struct DeviceScale {
  double dpiX;
  double dpiY;

  QRectF rect(const BoxGeometry& box) const {
    return QRectF(box.left.toDots(dpiX), box.top.toDots(dpiY), box.width.toDots(dpiX),
                  box.height.toDots(dpiY));
  }
  QPointF point(Length x, Length y) const { return {x.toDots(dpiX), y.toDots(dpiY)}; }
  double width(Length w) const { return w.toDots(dpiX); }
};

QFont fontFor(const FontSpec& def) { return PaperFont::of(def); }

int alignmentFlags(HAlign h, VAlign v) {
  int flags = 0;
  switch (h) {
    // clang-format off
    case HAlign::Left: flags |= Qt::AlignLeft; break;
    case HAlign::Centre: flags |= Qt::AlignHCenter; break;
    case HAlign::Right: flags |= Qt::AlignRight; break;
      // clang-format on
  }
  switch (v) {
    // clang-format off
    case VAlign::Top: flags |= Qt::AlignTop; break;
    case VAlign::Centre: flags |= Qt::AlignVCenter; break;
    case VAlign::Bottom: flags |= Qt::AlignBottom; break;
      // clang-format on
  }
  return flags;
}

// Light enough to tell from the text, dark enough to see on screen.
constexpr Length kOutlineWidth = Length::mm(0.1);

void paintOutline(QPainter& painter, const DeviceScale& scale, const QRectF& rect) {
  painter.save();
  painter.setPen(QPen(Palette::kPreviewOutline, scale.width(kOutlineWidth)));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect);
  painter.restore();
}

void paintText(QPainter& painter, const DeviceScale& scale, const Page& page, const TextBox& item,
               const PaintOptions& options) {
  const QRectF rect = scale.rect(page.paperBox(item.box));
  if (item.fill) painter.fillRect(rect, *item.fill);
  if (options.boxOutlines) paintOutline(painter, scale, rect);
  if (item.text.isEmpty()) return;

  painter.save();
  painter.setClipRect(rect, Qt::IntersectClip);
  painter.setFont(fontFor(item.font));
  painter.setPen(item.font.colour);
  if (item.linePitch > Length()) {
    const QStringList lines = item.text.split(u'\n');
    const int flags = alignmentFlags(item.hAlign, VAlign::Top) | Qt::TextSingleLine;
    const double pitch = item.linePitch.toDots(scale.dpiY);
    for (int i = 0; i < lines.size(); ++i) {
      const QRectF lineRect(rect.left(), rect.top() + i * pitch, rect.width(), pitch);
      if (lineRect.top() >= rect.bottom()) break;
      painter.drawText(lineRect, flags, lines[i]);
    }
  } else {
    const int flags = alignmentFlags(item.hAlign, item.vAlign) | (item.wrap ? Qt::TextWordWrap : 0);
    painter.drawText(rect, flags, item.text);
  }
  painter.restore();
}

void paintRectangle(QPainter& painter, const DeviceScale& scale, const Page& page,
                    const RectangleItem& item) {
  const QRectF rect = scale.rect(page.paperBox(item.box));
  if (item.fill) painter.fillRect(rect, *item.fill);
  if (item.outline) {
    painter.save();
    painter.setPen(QPen(*item.outline, scale.width(item.outlineWidth)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
    painter.restore();
  }
}

void paintLine(QPainter& painter, const DeviceScale& scale, const Page& page,
               const LineItem& item) {
  painter.save();
  painter.setPen(QPen(item.colour, scale.width(item.width)));
  const Length dx = page.leftMargin();
  const Length dy = page.topMargin();
  painter.drawLine(scale.point(item.x1 + dx, item.y1 + dy),
                   scale.point(item.x2 + dx, item.y2 + dy));
  painter.restore();
}

QPageLayout layoutFor(const Page& page) {
  const QPageSize size(QSizeF(page.paper().width.toMm(), page.paper().height.toMm()),
                       QPageSize::Millimeter);
  return QPageLayout(
      size,
      page.orientation() == Orientation::Upright ? QPageLayout::Portrait : QPageLayout::Landscape,
      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// Painting a page borrows and gives back tens of megabytes at the top of the
// heap; glibc returns them to the system after every page and takes them
// back, a page fault at a time, for the next, which made a long print three
// times slower than the painting needs. Padding kept at the top of the heap
// (once, for the whole program) spares that.
void keepHeapPadding() {
#if defined(__GLIBC__)
  static const bool padded = mallopt(M_TOP_PAD, 64 * 1024 * 1024) == 1;
  Q_UNUSED(padded);
#endif
}

}  // namespace

void paintPage(QPainter& painter, const Page& page, const PaintOptions& options) {
  const DeviceScale scale{double(painter.device()->logicalDpiX()),
                          double(painter.device()->logicalDpiY())};
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (const PageItem& item : page.items()) {
    std::visit(
        [&](const auto& concrete) {
          using T = std::decay_t<decltype(concrete)>;
          if constexpr (std::is_same_v<T, TextBox>)
            paintText(painter, scale, page, concrete, options);
          else if constexpr (std::is_same_v<T, RectangleItem>)
            paintRectangle(painter, scale, page, concrete);
          else
            paintLine(painter, scale, page, concrete);
        },
        item);
  }
  painter.restore();
}

void applyPageLayout(QPagedPaintDevice& device, const Page& page) {
  device.setPageLayout(layoutFor(page));
}

void renderPages(QPagedPaintDevice& device, PageSource& pages, const PageProgress& progress,
                 const SheetSetter& setSheet) {
  const int count = pages.count();
  if (count == 0) return;
  keepHeapPadding();
  const SheetSetter ready = setSheet ? setSheet : [](QPagedPaintDevice& d, const Page& page) {
    applyPageLayout(d, page);
  };
  if (progress) progress(0, count);
  Page page = pages.page(0);
  ready(device, page);
  QPainter painter;
  if (!painter.begin(&device))
    throw PrintError(u"Attenzione: la stampante scelta non ha accettato la stampa."_s);
  for (int i = 0; i < count; ++i) {
    if (i > 0) {
      page = pages.page(i);
      ready(device, page);
      if (!device.newPage()) {
        painter.end();
        throw PrintError(
            u"Attenzione: la stampante ha interrotto la stampa dopo %1 pagine su %2."_s.arg(i).arg(
                count));
      }
    }
    paintPage(painter, page);
    if (progress) progress(i + 1, count);
  }
  if (!painter.end())
    throw PrintError(u"Attenzione: la stampante non ha potuto completare la stampa."_s);
}

void renderPages(QPagedPaintDevice& device, const std::vector<Page>& pages,
                 const PageProgress& progress) {
  PageList list(pages);
  renderPages(device, list, progress);
}

}  // namespace velinda
