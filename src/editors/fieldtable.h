#pragma once

#include <QList>
#include <span>

class QLineEdit;
class QWidget;

namespace velinda {

class EnterFocusChain;
class RecordLayout;

// What typing does in a box.
enum class Typing {
  Plain,
  OneCharacter,  // postcode digits, province letters: capitals, one key each
  UpperCase,     // trimmed capitals
  Trimmed,       // no blank at either end (e-mail addresses)
  DigitsOnly,    // only 0-9 reach the box
};

// The colours of a box's block: alice-blue boxes under plain captions, or
// beige boxes under brown captions (the sender side of the return receipt).
enum class Tint { AliceBlue, Beige };

// Where a box's caption sits: above it, or to its left on the same line.
enum class CaptionPlace { Above, Left };

// One text box of a screen: its control name, the caption above it (none for
// the later boxes of a postcode), place and width in the panel's pixels, tab
// position, typing rule and the name a screen reader announces. The maximum
// length comes from the record field the box is saved into.
struct BoxRow {
  const char* control;
  const char* caption;
  int x, y, width;
  int tab;
  Typing typing;
  const char* accessibleName;
  Tint tint = Tint::AliceBlue;
  CaptionPlace captionPlace = CaptionPlace::Above;
};

struct CheckRow {
  const char* control;
  const char* caption;
  int x, y, width;
  int tab;
};

// Builds a screen's captions, boxes and check boxes from its tables and
// attaches their behaviours: focus highlight, typing rule, and the Enter
// chain, which follows the order of the box table and loops back to its
// first box. Tab follows the `tab` column, check boxes included.
namespace FieldTable {

QList<QLineEdit*> build(QWidget* parent, const RecordLayout& layout, std::span<const BoxRow> boxes,
                        std::span<const CheckRow> checks, EnterFocusChain* keys);

}  // namespace FieldTable

}  // namespace velinda
