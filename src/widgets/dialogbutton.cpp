#include "widgets/dialogbutton.h"

#include <QPushButton>
#include <algorithm>

#include "widgets/shortcuttip.h"

using namespace Qt::StringLiterals;

QPushButton* dialogButton(const char* name, const QString& text, const QString& purpose,
                          QWidget* parent, const QKeySequence& key) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  // A screen reader says the words the button shows, then what it does; a
  // button that shows no word ("-", "+") is named by what it does.
  const QString shown = QString(text).remove(u'&').remove(u"..."_s).trimmed();
  const bool showsWords =
      std::any_of(shown.begin(), shown.end(), [](QChar c) { return c.isLetter(); });
  button->setAccessibleName(showsWords ? shown : purpose);
  if (showsWords) button->setAccessibleDescription(purpose);
  button->setToolTip(key.isEmpty() ? purpose : shortcutTip(purpose, key));
  if (!key.isEmpty()) button->setShortcut(key);
  return button;
}
