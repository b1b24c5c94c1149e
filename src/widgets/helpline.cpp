#include "widgets/helpline.h"

#include <QEvent>
#include <QLabel>

HelpLine::HelpLine(QLabel* line, QObject* parent) : QObject(parent), line_(line) {}

void HelpLine::addHint(QWidget* control, const QString& hint) {
  hints_.insert(control, hint);
  control->setAttribute(Qt::WA_NoMousePropagation);
  control->installEventFilter(this);
}

void HelpLine::addNeutral(QWidget* control) {
  control->setAttribute(Qt::WA_NoMousePropagation);
}

void HelpLine::addBackground(QWidget* background) {
  background->setMouseTracking(true);
  background->installEventFilter(this);
}

bool HelpLine::eventFilter(QObject* watched, QEvent* event) {
  const auto hint = hints_.constFind(watched);
  if (hint != hints_.constEnd()) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
      line_->setText(*hint);
  } else if (event->type() == QEvent::MouseMove) {
    line_->clear();
  }
  return false;
}
