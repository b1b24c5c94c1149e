#pragma once

#include <QObject>

class QWidget;

namespace velinda {

// Alt+letter keys for the text buttons, check boxes and option buttons of
// every window, as office programs have them: each button whose text has no
// key of its own gets the first free letter of its words' beginnings, else
// of its text, shown underlined; a button that has a key of the program's
// (Ctrl+P) keeps that one. Keys are unique within a window. Buttons
// that close a screen (Chiudi, Annulla, Esci) answer Esc already, so they
// choose last. Installed once, on the application; a window gets its keys
// each time it is shown, so buttons made since then get theirs too.
class MnemonicKeys : public QObject {
 public:
  static void install();
  static void give(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
};

}  // namespace velinda
