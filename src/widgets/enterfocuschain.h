#pragma once

#include <QHash>
#include <QObject>

class QLineEdit;
class QWidget;

namespace velinda {

// The keys of a screen's text boxes. Enter moves the focus along a chain of
// boxes. One-character boxes (postcode digits, province letters, code
// characters) also take the focus on to the next box after every key that
// goes into them, and empty themselves on Backspace or Delete; the arrows,
// Tab and the modifier keys alone keep their ordinary meaning. A click in a
// one-character box selects its content, so that the next key replaces it.
class EnterFocusChain : public QObject {
  Q_OBJECT
 public:
  enum class Mode { Ordinary, OneCharacter };

  explicit EnterFocusChain(QObject* parent = nullptr);

  // Enter in `from` moves the focus to `to`.
  void link(QLineEdit* from, QWidget* to, Mode mode = Mode::Ordinary);
  // Links the boxes in order; the last one leads back to the first.
  void loop(const QList<QLineEdit*>& boxes);

  // Moves the focus to a box as Tab would, selecting what it holds, so that
  // a key typed next replaces it.
  static void focusBox(QWidget* box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Link {
    QWidget* next = nullptr;
    Mode mode = Mode::Ordinary;
  };
  QHash<QObject*, Link> links_;
};

}  // namespace velinda
