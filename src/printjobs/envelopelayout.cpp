#include "printjobs/envelopelayout.h"

#include "report/paperfont.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

constexpr EnvelopeSize kSizes[] = {
    {"DL", "DL (110 × 220 mm)", {110.0_mm, 220.0_mm}},
    {"C5", "C5 (162 × 229 mm)", {162.0_mm, 229.0_mm}},
    {"C4", "C4 (229 × 324 mm)", {229.0_mm, 324.0_mm}},
};

constexpr Length kWindowWidth = 90.0_mm;
constexpr Length kWindowHeight = 45.0_mm;
constexpr Length kWindowFromSide = 20.0_mm;
constexpr Length kWindowFromBottom = 15.0_mm;
constexpr Length kWindowInset = 5.0_mm;  // from the window's edges to the text

constexpr BoxGeometry kSenderBlock{10.0_mm, 10.0_mm, 90.0_mm, 15.0_mm};

struct Block {
  const char* name;
  double points;
  Length pitch;
};
constexpr Block kRecipient{"txtDestinatario", 11, 5.0_mm};
constexpr Block kSender{"txtMittente", 9, 4.0_mm};
// A block that does not fit is set smaller by a point at a time, this far.
constexpr double kSmallerBy = 3;

int linesIn(const TextBox& box) { return int(box.text.count(u'\n')) + 1; }

bool fits(const TextBox& box) {
  return box.text.isEmpty() || box.linePitch * linesIn(box) <= box.box.height + 0.01_mm;
}

TextBox block(const Block& def, BoxGeometry box, const QStringList& lines) {
  TextBox item;
  item.name = QString::fromLatin1(def.name);
  item.box = box;
  for (double smaller = 0; smaller <= kSmallerBy; ++smaller) {
    const double points = def.points - smaller;
    item.font = {u"Arial"_s, points, false, Qt::black};
    item.linePitch = def.pitch * (points / def.points);
    item.text = PaperFont::wrapped(lines, item.font, box.width).join(u'\n');
    if (fits(item)) break;
  }
  return item;
}

}  // namespace

namespace EnvelopeLayout {

QString marginSection(const EnvelopeSize& size) {
  return u"Margini Busta "_s + QString::fromLatin1(size.name);
}

std::span<const EnvelopeSize> sizes() { return kSizes; }

const EnvelopeSize& size(const QString& name) {
  for (const EnvelopeSize& candidate : kSizes)
    if (name == QLatin1String(candidate.name)) return candidate;
  return kSizes[0];
}

QString settingsSection(const EnvelopeSize& size) {
  return u"Stampa Busta "_s + QString::fromLatin1(size.name);
}

QString wordFor(WindowSide side) { return side == WindowSide::Left ? u"Sinistra"_s : u"Destra"_s; }

WindowSide sideFromWord(const QString& word) {
  return word.trimmed() == u"Sinistra"_s ? WindowSide::Left : WindowSide::Right;
}

BoxGeometry window(const EnvelopeSize& size, WindowSide side) {
  const Page landscape(size.paper, Orientation::Sideways);
  const Length left = side == WindowSide::Left
                          ? kWindowFromSide
                          : landscape.paperWidth() - kWindowFromSide - kWindowWidth;
  return {left, landscape.paperHeight() - kWindowFromBottom - kWindowHeight, kWindowWidth,
          kWindowHeight};
}

QStringList overflowing(const Page& envelope) {
  QStringList names;
  for (const PageItem& item : envelope.items())
    if (const auto* box = std::get_if<TextBox>(&item); box && !fits(*box)) names << box->name;
  return names;
}

Page page(const EnvelopeSize& size, const QStringList& recipient, const QStringList& sender,
          WindowSide side) {
  Page envelope(size.paper, Orientation::Sideways);
  const BoxGeometry opening = window(size, side);
  envelope.add(block(kRecipient,
                     {opening.left + kWindowInset, opening.top + kWindowInset,
                      opening.width - kWindowInset * 2, opening.height - kWindowInset * 2},
                     recipient));
  envelope.add(block(kSender, kSenderBlock, sender));
  return envelope;
}

}  // namespace EnvelopeLayout

}  // namespace velinda
