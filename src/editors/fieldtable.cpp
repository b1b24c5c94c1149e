#include "editors/fieldtable.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <map>

#include "archive/recordlayout.h"
#include "core/controlname.h"
#include "core/unknownname.h"
#include "widgets/controls.h"
#include "widgets/enterfocuschain.h"
#include "widgets/fieldhighlight.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"
#include "widgets/typingrules.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const int kBoxHeight = 22;
const int kCaptionAbove = 18;
const int kCaptionGap = 6;
const int kCaptionPoints = 10;

QLineEdit* makeBox(QWidget* parent, const RecordLayout& layout, const BoxRow& row) {
  const QString control = QString::fromLatin1(row.control);
  auto* box = new QLineEdit(parent);
  box->setObjectName(control);
  box->setGeometry(row.x, row.y, row.width, kBoxHeight);
  box->setFont(Fonts::verdana(12, true));
  box->setAccessibleName(QString::fromUtf8(row.accessibleName));
  const QStringView fieldName = ControlName::stem(control);
  const int field = NameLookup::requireIndex(
      layout.indexOf(fieldName), QString::fromLatin1(parent->window()->metaObject()->className()),
      fieldName);
  box->setMaxLength(layout.field(field).capacity);
  if (box->maxLength() == 1) box->setAlignment(Qt::AlignCenter);
  FieldHighlight::apply(box, row.tint == Tint::Beige ? Palette::kBeige : Palette::kAliceBlue);
  switch (row.typing) {
    case Typing::OneCharacter:
      TypingRules::upperCase(box);
      break;
    case Typing::UpperCase:
      TypingRules::upperCase(box);
      break;
    case Typing::Trimmed:
      TypingRules::trimmed(box);
      break;
    case Typing::DigitsOnly:
      TypingRules::digitsOnly(box);
      break;
    case Typing::Plain:
      break;
  }
  if (row.caption) {
    QLabel* caption = Controls::label(ControlName::sibling(u"lbl", control) + u"Caption"_s,
                                      QString::fromUtf8(row.caption), parent);
    caption->setFont(Fonts::verdana(kCaptionPoints));
    if (row.tint == Tint::Beige) caption->setStyleSheet(Palette::textColourStyle(Palette::kBrown));
    caption->adjustSize();
    if (row.captionPlace == CaptionPlace::Left)
      caption->move(row.x - kCaptionGap - caption->width(),
                    row.y + (kBoxHeight - caption->height()) / 2);
    else
      caption->move(row.x, row.y - kCaptionAbove);
    caption->setBuddy(box);
  }
  return box;
}

}  // namespace

namespace FieldTable {

QList<QLineEdit*> build(QWidget* parent, const RecordLayout& layout, std::span<const BoxRow> boxes,
                        std::span<const CheckRow> checks, EnterFocusChain* keys) {
  QList<QLineEdit*> chain;
  std::map<int, QWidget*> tabOrder;
  for (const BoxRow& row : boxes) {
    QLineEdit* box = makeBox(parent, layout, row);
    chain.append(box);
    tabOrder[row.tab] = box;
  }
  for (const CheckRow& row : checks) {
    auto* check = new QCheckBox(QString::fromUtf8(row.caption), parent);
    check->setObjectName(QString::fromLatin1(row.control));
    check->setGeometry(row.x, row.y, row.width, 24);
    check->setFont(Fonts::verdana(10, true));
    check->setCursor(Qt::PointingHandCursor);
    tabOrder[row.tab] = check;
  }
  for (int i = 0; i < chain.size(); ++i) {
    const bool oneCharacter = boxes[size_t(i)].typing == Typing::OneCharacter;
    keys->link(
        chain[i], chain[(i + 1) % chain.size()],
        oneCharacter ? EnterFocusChain::Mode::OneCharacter : EnterFocusChain::Mode::Ordinary);
  }
  QWidget* previous = nullptr;
  for (const auto& [tab, widget] : tabOrder) {
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
  return chain;
}

}  // namespace FieldTable

}  // namespace velinda
