#include "widgets/onelineboxes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>

#include "widgets/typingrules.h"

namespace velinda {

void OneLineBoxes::install() {
  static OneLineBoxes* installed = nullptr;
  if (installed) return;
  installed = new OneLineBoxes(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(installed);
}

bool OneLineBoxes::eventFilter(QObject* watched, QEvent* event) {
  // Every widget is polished once, before it first shows.
  if (event->type() == QEvent::Polish) {
    if (auto* box = qobject_cast<QLineEdit*>(watched)) TypingRules::oneLine(box);
  }
  return false;
}

}  // namespace velinda
