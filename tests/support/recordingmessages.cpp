#include "support/recordingmessages.h"

namespace velinda {

void RecordingMessages::record(Form form, const QString& text) {
  entries.append({form, text});
  if (onMessage) onMessage(entries.last());
}

void RecordingMessages::show(QWidget*, MessageKind kind, const QString& text) {
  Form form = Form::Information;
  if (kind == MessageKind::Warning) form = Form::Warning;
  if (kind == MessageKind::Error) form = Form::Error;
  record(form, text);
}

void RecordingMessages::plain(QWidget*, const QString& text) { record(Form::Plain, text); }

bool RecordingMessages::confirm(QWidget*, const QString& text) {
  record(Form::Question, text);
  return answers.isEmpty() ? true : answers.takeFirst();
}

void RecordingMessages::unexpected(QWidget*, const QString& text) {
  record(Form::Unexpected, text);
}

const char* toString(RecordingMessages::Form form) {
  switch (form) {
    // clang-format off
    case RecordingMessages::Form::Warning: return "warning";
    case RecordingMessages::Form::Error: return "error";
    case RecordingMessages::Form::Information: return "information";
    case RecordingMessages::Form::Plain: return "plain";
    case RecordingMessages::Form::Question: return "question";
    case RecordingMessages::Form::Unexpected: return "unexpected";
      // clang-format on
  }
  return "?";
}

}  // namespace velinda
