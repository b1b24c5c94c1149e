#include "widgets/controls.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "widgets/picture.h"
#include "widgets/shortcuttip.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// Enter on a focused button presses it, as Enter in a find box leads the
// user to "Trova" and expects the next Enter to find. The button is not a
// dialog default, so Enter anywhere else presses nothing.
class EnterPresses : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    static_cast<QAbstractButton*>(watched)->click();
    return true;
  }
};

void describe(QPushButton* button, const QString& text, const Controls::ButtonOptions& options) {
  if (!options.purpose.isEmpty()) {
    // A screen reader says the words the button shows, then what it does; a
    // button that shows no word ("-", "+") is named by what it does.
    const QString shown = QString(text).remove(u'&').remove(u"..."_s).trimmed();
    const bool showsWords =
        std::any_of(shown.begin(), shown.end(), [](QChar c) { return c.isLetter(); });
    button->setAccessibleName(showsWords ? shown : options.purpose);
    if (showsWords) button->setAccessibleDescription(options.purpose);
    button->setToolTip(options.key.isEmpty() ? options.purpose
                                             : shortcutTip(options.purpose, options.key));
  }
  if (!options.accessibleName.isEmpty()) button->setAccessibleName(options.accessibleName);
  if (!options.key.isEmpty()) button->setShortcut(options.key);
}

}  // namespace

namespace Controls {

QLabel* label(const QString& name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

QLabel* label(const QString& name, const QString& text, const QRect& geometry, QWidget* parent) {
  QLabel* l = label(name, text, parent);
  l->setGeometry(geometry);
  return l;
}

QLabel* label(const QString& name, const QString& text, const QRect& geometry, const QFont& font,
              QWidget* parent) {
  QLabel* l = label(name, text, geometry, parent);
  l->setFont(font);
  return l;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent,
                    const ButtonOptions& options) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  describe(b, text, options);
  if (options.pointingHand) b->setCursor(Qt::PointingHandCursor);
  if (options.enter != Enter::DialogRule) b->setAutoDefault(false);
  if (options.enter == Enter::WhenFocused) pressedByEnter(b);
  return b;
}

QPushButton* button(const QString& name, const QString& text, QSize size, QWidget* parent,
                    const ButtonOptions& options) {
  QPushButton* b = button(name, text, parent, options);
  b->setFixedSize(size);
  return b;
}

QPushButton* button(const QString& name, const QString& text, const QRect& geometry,
                    QWidget* parent, const ButtonOptions& options) {
  QPushButton* b = button(name, text, parent, options);
  b->setGeometry(geometry);
  return b;
}

QLabel* picture(const QString& name, const QString& resource, QSize size, QWidget* parent,
                const QString& accessibleName) {
  QLabel* l = label(name, {}, parent);
  l->setFixedSize(size);
  if (!accessibleName.isEmpty()) l->setAccessibleName(accessibleName);
  l->setPixmap(svgPixmap(resource, size));
  return l;
}

QLabel* picture(const QString& name, const QString& resource, const QRect& geometry,
                QWidget* parent, Fit fit, const QString& accessibleName) {
  QPixmap drawn =
      fit == Fit::Exact ? svgPixmap(resource, geometry.size()) : blankPixmap(geometry.size());
  if (const QSizeF own = artSize(resource); fit == Fit::KeepShape && !own.isEmpty()) {
    const QSizeF fitted = own.scaled(geometry.size(), Qt::KeepAspectRatio);
    QPainter painter(&drawn);
    drawArt(painter, resource,
            QRectF(QPointF((geometry.width() - fitted.width()) / 2,
                           (geometry.height() - fitted.height()) / 2),
                   fitted));
  }
  QLabel* l = label(name, {}, geometry, parent);
  if (!accessibleName.isEmpty()) l->setAccessibleName(accessibleName);
  l->setPixmap(drawn);
  return l;
}

void pressedByEnter(QAbstractButton* button) {
  button->installEventFilter(new EnterPresses(button));
}

}  // namespace Controls

}  // namespace velinda
