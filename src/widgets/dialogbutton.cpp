#include "widgets/dialogbutton.h"

#include <QPushButton>

#include "widgets/shortcuttip.h"

QPushButton* dialogButton(const char* name, const QString& text, const QString& purpose,
                          QWidget* parent, const QKeySequence& key) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAccessibleName(purpose);
  button->setAutoDefault(false);
  if (!key.isEmpty()) giveShortcut(button, key);
  return button;
}
