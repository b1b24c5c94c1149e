#include "printjobs/envelopelayout.h"

using namespace Qt::StringLiterals;

namespace {

constexpr EnvelopeSize kSizes[] = {
    {"DL", "DL (110 × 220 mm)", {110.0_mm, 220.0_mm}},
    {"C5", "C5 (162 × 229 mm)", {162.0_mm, 229.0_mm}},
    {"C4", "C4 (229 × 324 mm)", {229.0_mm, 324.0_mm}},
};

constexpr Length kWindowWidth = 90.0_mm;
constexpr Length kWindowHeight = 45.0_mm;
constexpr Length kWindowFromRight = 20.0_mm;
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

TextBox block(const Block& def, BoxGeometry box, const QStringList& lines) {
  TextBox item;
  item.name = QString::fromLatin1(def.name);
  item.box = box;
  item.font = {u"Arial"_s, def.points, false, Qt::black};
  item.linePitch = def.pitch;
  item.text = lines.join(u'\n');
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

BoxGeometry window(const EnvelopeSize& size) {
  const Page landscape(size.paper, Orientation::Sideways);
  return {landscape.paperWidth() - kWindowFromRight - kWindowWidth,
          landscape.paperHeight() - kWindowFromBottom - kWindowHeight, kWindowWidth,
          kWindowHeight};
}

Page page(const EnvelopeSize& size, const QStringList& recipient, const QStringList& sender) {
  Page envelope(size.paper, Orientation::Sideways);
  const BoxGeometry opening = window(size);
  envelope.add(block(kRecipient,
                     {opening.left + kWindowInset, opening.top + kWindowInset,
                      opening.width - kWindowInset * 2, opening.height - kWindowInset * 2},
                     recipient));
  envelope.add(block(kSender, kSenderBlock, sender));
  return envelope;
}

}  // namespace EnvelopeLayout
