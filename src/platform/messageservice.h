#pragma once

#include <QString>

class QWidget;

namespace velinda {

// The three forms in which the program speaks to the user. Logic never opens
// a message box itself: it asks the installed MessageService, so that tests
// can record what was said and script the answers.
enum class MessageKind { Warning, Error, Information };

class MessageService {
 public:
  virtual ~MessageService() = default;

  // A message dialog of a kind, with OK and Cancel, OK the default. The
  // answer is never used.
  virtual void show(QWidget* parent, MessageKind kind, const QString& text) = 0;

  // A plain message box with the single button OK.
  virtual void plain(QWidget* parent, const QString& text) = 0;

  // A question with Yes and No. False only when the answer is No.
  virtual bool confirm(QWidget* parent, const QString& text) = 0;

  // An unexpected failure, shown with the error's own text.
  virtual void unexpected(QWidget* parent, const QString& text) {
    show(parent, MessageKind::Error, text);
  }
};

}  // namespace velinda
