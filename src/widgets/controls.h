#pragma once

#include <QFont>
#include <QKeySequence>
#include <QRect>
#include <QSize>
#include <QString>

class QAbstractButton;
class QLabel;
class QPushButton;
class QWidget;

namespace velinda {

// The plain controls every screen builds: each one named, so that the
// screens differ only in what they say and where it goes. A control is
// placed at a geometry, or given a fixed size, or left to the screen's
// layout.
namespace Controls {

// A label. An empty name is for a caption that no code looks up.
QLabel* label(const QString& name, const QString& text, QWidget* parent);
QLabel* label(const QString& name, const QString& text, const QRect& geometry, QWidget* parent);
QLabel* label(const QString& name, const QString& text, const QRect& geometry, const QFont& font,
              QWidget* parent);

// What Enter does to a button.
enum class Enter {
  // Qt's rule: in a dialog, Enter presses the focused button, and Enter
  // anywhere else the dialog's default one.
  DialogRule,
  // Enter presses the button while it has the focus, and Enter anywhere
  // else presses no button: Enter in a box that leads to a button asks for
  // the next Enter to press it.
  WhenFocused,
  // Enter never presses it; Space and the mouse do.
  Ignored,
};

// Each member has an initializer, so that a screen names only the options
// it sets ({.purpose = ...}) and the compiler does not ask for the rest.
struct ButtonOptions {
  // What the button does. A screen reader says the words the button shows,
  // then this; a button that shows no word ("-", "+") is named by it. It is
  // also the tooltip, naming `key` when there is one.
  QString purpose{};
  QKeySequence key{};
  // The name a screen reader says, when the purpose's rule above does not
  // give it.
  QString accessibleName{};
  Enter enter = Enter::DialogRule;
  bool pointingHand = false;
};

QPushButton* button(const QString& name, const QString& text, QWidget* parent,
                    const ButtonOptions& options = {});
QPushButton* button(const QString& name, const QString& text, QSize size, QWidget* parent,
                    const ButtonOptions& options = {});
QPushButton* button(const QString& name, const QString& text, const QRect& geometry,
                    QWidget* parent, const ButtonOptions& options = {});

// How a picture fills the place it is given.
enum class Fit {
  // Stretched to the place exactly.
  Exact,
  // As large as it fits without distortion, centred.
  KeepShape,
};

// An SVG picture, with its words for screen readers when it says something;
// a missing drawing leaves an empty space of the same size.
QLabel* picture(const QString& name, const QString& resource, QSize size, QWidget* parent,
                const QString& accessibleName = {});
QLabel* picture(const QString& name, const QString& resource, const QRect& geometry,
                QWidget* parent, Fit fit = Fit::Exact, const QString& accessibleName = {});

// Enter on the button, while it has the focus, presses it, as Space does;
// what Enter::WhenFocused gives the buttons made here, for buttons made
// elsewhere (picture buttons).
void pressedByEnter(QAbstractButton* button);

}  // namespace Controls

}  // namespace velinda
