#pragma once

#include "dialogs/dialogframe.h"

class QLabel;
class QPlainTextEdit;

namespace velinda {

// The guide screen: a topic chosen by whoever opens it, and a link to the
// full guide in PDF beside the program.
class TfrmGuida : public DialogFrame {
  Q_OBJECT
 public:
  explicit TfrmGuida(QWidget* parent = nullptr);

  void setTopic(const QString& title, const QString& text);
  QString title() const;
  QString text() const { return text_; }

  // Builds a guide screen, shows it modally and destroys it.
  static void open(QWidget* parent, const QString& title, const QString& text);

 private:
  QLabel* lblTitolo_;
  QPlainTextEdit* txtGuida_;
  QString text_;
};

}  // namespace velinda
