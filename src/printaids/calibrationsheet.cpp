#include "printaids/calibrationsheet.h"

#include <functional>

#include "core/controlname.h"
#include "widgets/palette.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

using CalibrationSheet::kRulerLine;

constexpr Length kShortTick = Length::mm(2);
constexpr Length kMidTick = Length::mm(3.5);
constexpr Length kLongTick = Length::mm(5);
constexpr Length kFirstTick = Length::mm(11);  // clear of the other ruler
constexpr Length kLastTickFromEdge = Length::mm(5);
constexpr Length kLabelGap = Length::mm(0.8);  // between a base line and its labels
constexpr Length kLabelHeight = Length::mm(3.2);
constexpr double kLabelPoints = 7;

constexpr Length kArm = Length::mm(4);  // of a crosshair, each way from its corner
constexpr Length kMarkLine = Length::mm(0.15);
constexpr Length kRulerLineWidth = Length::mm(0.1);

constexpr Length kTextLeft = Length::mm(25);
constexpr Length kTextRightMargin = Length::mm(15);
constexpr Length kTextBelowMarks = Length::mm(15);
constexpr Length kTitleHeight = Length::mm(6);

const QString kInstructions =
    u"1. Questo foglio è stampato senza margini: le crocette segnano gli "
    "angoli di alcune caselle del modulo nel punto in cui il programma le stampa con i margini "
    "a zero. I righelli lungo i bordi superiore e sinistro indicano i millimetri dal bordo del "
    "foglio.\n"
    "2. Sovrapporre il foglio al modulo prestampato, con i bordi allineati, e guardarli in "
    "controluce.\n"
    "3. Misurare di quanti millimetri ogni casella del modulo si trova più in basso e più a "
    "destra della sua crocetta.\n"
    "4. Nella finestra \"Foglio di prova\" scrivere i due valori, positivi se la casella del "
    "modulo è più in basso o più a destra, negativi se è più in alto o più a sinistra, e "
    "premere \"Applica\": i valori sostituiscono i margini superiore e sinistro memorizzati "
    "per questo modulo."_s;

// Step 2 as it reads for a form as large as the sheet, and for a card
// smaller than it.
const QString kAlignEdges = u"con i bordi allineati"_s;
const QString kAlignCorner =
    u"con l'angolo superiore sinistro del modulo sull'angolo superiore sinistro del foglio "
    "(il foglio girato in modo da leggerne le scritte), poiché il modulo è più piccolo del "
    "foglio"_s;

TextBox text(const QString& name, BoxGeometry box, double points, HAlign h, VAlign v,
             const QString& content, bool bold = false) {
  TextBox item;
  item.name = name;
  item.box = box;
  item.font = {u"Arial"_s, points, bold, Qt::black};
  item.hAlign = h;
  item.vAlign = v;
  item.text = content;
  return item;
}

LineItem line(Length x1, Length y1, Length x2, Length y2, Length width) {
  LineItem item;
  item.x1 = x1;
  item.y1 = y1;
  item.x2 = x2;
  item.y2 = y2;
  item.width = width;
  return item;
}

Length tickLength(int millimetre) {
  if (millimetre % 10 == 0) return kLongTick;
  if (millimetre % 5 == 0) return kMidTick;
  return kShortTick;
}

void addTopRuler(Page& sheet) {
  const Length end = sheet.paperWidth() - kLastTickFromEdge;
  sheet.add(line(kFirstTick, kRulerLine, end, kRulerLine, kRulerLineWidth));
  for (int mm = int(kFirstTick.toMm()); Length::mm(mm) <= end; ++mm) {
    const Length x = Length::mm(mm);
    sheet.add(line(x, kRulerLine - tickLength(mm), x, kRulerLine, kRulerLineWidth));
    if (mm % 10 == 0 && x + Length::mm(5) <= sheet.paperWidth())
      sheet.add(text(u"top ruler %1"_s.arg(mm),
                     {x - Length::mm(5), kRulerLine + kLabelGap, Length::mm(10), kLabelHeight},
                     kLabelPoints, HAlign::Centre, VAlign::Top, QString::number(mm)));
  }
}

void addLeftRuler(Page& sheet) {
  const Length end = sheet.paperHeight() - kLastTickFromEdge;
  sheet.add(line(kRulerLine, kFirstTick, kRulerLine, end, kRulerLineWidth));
  for (int mm = int(kFirstTick.toMm()); Length::mm(mm) <= end; ++mm) {
    const Length y = Length::mm(mm);
    sheet.add(line(kRulerLine - tickLength(mm), y, kRulerLine, y, kRulerLineWidth));
    if (mm % 10 == 0)
      sheet.add(text(u"left ruler %1"_s.arg(mm),
                     {kRulerLine + kLabelGap, y - kLabelHeight * 0.5, Length::mm(8), kLabelHeight},
                     kLabelPoints, HAlign::Left, VAlign::Centre, QString::number(mm)));
  }
}

void addCrosshair(Page& sheet, Length x, Length y) {
  sheet.add(line(x - kArm, y, x + kArm, y, kMarkLine));
  sheet.add(line(x, y - kArm, x, y + kArm, kMarkLine));
}

void addMark(Page& sheet, const TextBox& box, const QString& caption) {
  const BoxGeometry& at = box.box;
  sheet.add(RectangleItem{at, std::nullopt, Palette::kGrey, kRulerLineWidth});
  addCrosshair(sheet, at.left, at.top);
  addCrosshair(sheet, at.right(), at.bottom());
  // The box's caption above it, clear of the crosshair's arms.
  sheet.add(text(u"mark "_s + box.name,
                 {at.left + Length::mm(1), at.top - kLabelHeight - Length::mm(0.4), Length::mm(60),
                  kLabelHeight},
                 6, HAlign::Left, VAlign::Top, caption));
}

std::vector<const TextBox*> textBoxes(const Page& form) {
  std::vector<const TextBox*> boxes;
  for (const PageItem& item : form.items())
    if (const auto* box = std::get_if<TextBox>(&item)) boxes.push_back(box);
  return boxes;
}

}  // namespace

namespace CalibrationSheet {

QStringList markedBoxes(const Page& form) {
  const std::vector<const TextBox*> boxes = textBoxes(form);
  // Each rule tells whether a box goes further its way than the best so far.
  using Further = std::function<bool(const BoxGeometry&, const BoxGeometry&)>;
  const Further rules[] = {
      [](const BoxGeometry& a, const BoxGeometry& b) { return a.top < b.top; },
      [](const BoxGeometry& a, const BoxGeometry& b) { return a.right() > b.right(); },
      [](const BoxGeometry& a, const BoxGeometry& b) { return a.bottom() > b.bottom(); },
      [](const BoxGeometry& a, const BoxGeometry& b) { return a.left < b.left; },
  };
  QStringList names;
  if (boxes.empty()) return names;
  for (const Further& further : rules) {
    const TextBox* best = boxes.front();
    for (const TextBox* box : boxes)
      if (further(box->box, best->box)) best = box;
    if (!names.contains(best->name)) names << best->name;
  }
  return names;
}

Page page(const Page& form, const QString& formName) {
  FormTexts texts;
  texts.name = formName;
  return page(form, texts);
}

Page page(const Page& form, const FormTexts& texts) {
  const QString& formName = texts.name;
  Page sheet(form.paper(), form.orientation());
  addTopRuler(sheet);
  addLeftRuler(sheet);
  for (const QString& name : markedBoxes(form))
    addMark(sheet, form.textBox(name),
            texts.caption ? texts.caption(name) : ControlName::stem(name).toString());
  // The text goes below everything the form prints.
  Length lowest;
  for (const TextBox* box : textBoxes(form)) lowest = std::max(lowest, box->box.bottom());

  const Length top = lowest + kTextBelowMarks;
  const Length width = sheet.paperWidth() - kTextLeft - kTextRightMargin;
  sheet.add(text(u"title"_s, {kTextLeft, top, width, kTitleHeight}, 12, HAlign::Left, VAlign::Top,
                 u"FOGLIO DI PROVA - "_s + formName, true));
  const Length textTop = top + kTitleHeight + Length::mm(2);
  TextBox instructions =
      text(u"instructions"_s,
           {kTextLeft, textTop, width, sheet.paperHeight() - textTop - kTextRightMargin}, 9,
           HAlign::Left, VAlign::Top,
           texts.smallerThanPaper ? QString(kInstructions).replace(kAlignEdges, kAlignCorner)
                                  : kInstructions);
  instructions.wrap = true;
  sheet.add(instructions);
  return sheet;
}

}  // namespace CalibrationSheet

}  // namespace velinda
