#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "platform/installed.h"
#include "platform/messageservice.h"

namespace velinda {

// Records every message instead of showing it, and answers questions as the
// test scripts them (Yes unless told otherwise). Installs itself for its
// lifetime.
class RecordingMessages : public MessageService {
 public:
  enum class Form { Warning, Error, Information, Plain, Question, Unexpected };
  struct Entry {
    Form form;
    QString text;
  };

  void show(QWidget* parent, MessageKind kind, const QString& text) override;
  void plain(QWidget* parent, const QString& text) override;
  bool confirm(QWidget* parent, const QString& text) override;
  void unexpected(QWidget* parent, const QString& text) override;

  QList<Entry> entries;
  QList<bool> answers;  // consumed by confirm(), front first
  // Runs while a message is "on screen", as a modal box would block.
  std::function<void(const Entry&)> onMessage;

  int count() const { return int(entries.size()); }
  const Entry& last() const { return entries.last(); }
  void clear() { entries.clear(); }

 private:
  void record(Form form, const QString& text);
  Installed<MessageService> installed_{*this};
};

const char* toString(RecordingMessages::Form form);

}  // namespace velinda
