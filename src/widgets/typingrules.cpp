#include "widgets/typingrules.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <functional>

#include "core/text.h"

namespace velinda {

namespace {

using Rule = std::function<QString(const QString&)>;

// The box's own text, not the signal's: a rule connected earlier may have
// rewritten it already.
void apply(QLineEdit* box, const Rule& rule) {
  const QString text = box->text();
  const QString wanted = rule(text);
  if (wanted == text) return;
  const int cursor = box->cursorPosition();
  box->setText(wanted);
  box->setCursorPosition(qMin(cursor, int(wanted.size())));
}

// For rules of what the user types.
void rewriteOnEdit(QLineEdit* box, Rule rule) {
  QObject::connect(box, &QLineEdit::textEdited, box, [box, rule] { apply(box, rule); });
}

// For rules that hold whatever sets the text: typing, pasting, the program
// itself, or an assistive tool through the accessibility interface.
void rewriteOnChange(QLineEdit* box, Rule rule) {
  QObject::connect(box, &QLineEdit::textChanged, box, [box, rule] { apply(box, rule); });
}

class DigitsOnlyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Backspace:
      case Qt::Key_Delete:
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Home:
      case Qt::Key_End:
      case Qt::Key_Return:
      case Qt::Key_Enter:
      // The keys that leave the box or its window keep their work: a box
      // that swallowed them would hold the keyboard captive.
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
      case Qt::Key_Escape:
        return false;
      default:
        break;
    }
    const QString text = key->text();
    const bool digit = text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9';
    return !digit || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  }
};

}  // namespace

namespace TypingRules {

void upperCase(QLineEdit* box) {
  rewriteOnEdit(box, [](const QString& t) { return Text::trimmed(Text::upperAscii(t)); });
}

void trimmed(QLineEdit* box) {
  rewriteOnEdit(box, [](const QString& t) { return Text::trimmed(t); });
}

void oneLine(QLineEdit* box) { rewriteOnChange(box, Text::oneLine); }

void digitsOnly(QLineEdit* box) { box->installEventFilter(new DigitsOnlyFilter(box)); }

}  // namespace TypingRules

}  // namespace velinda
