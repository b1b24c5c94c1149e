#pragma once

#include "platform/messageservice.h"

namespace velinda {

// The message dialogs on screen, with Qt's standard (translated) buttons.
class QtMessageService : public MessageService {
 public:
  void show(QWidget* parent, MessageKind kind, const QString& text) override;
  void plain(QWidget* parent, const QString& text) override;
  bool confirm(QWidget* parent, const QString& text) override;
};

}  // namespace velinda
