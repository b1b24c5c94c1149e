#include "widgets/helpline.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace velinda {

HelpLine::HelpLine(QLabel* line, QObject* parent) : QObject(parent), line_(line) {
  // Pictures and panels do not track the mouse, so their moves reach only
  // the application's filters.
  qApp->installEventFilter(this);
}

void HelpLine::addHint(QWidget* control, const QString& hint) {
  hints_.insert(control, hint);
  control->setAttribute(Qt::WA_NoMousePropagation);
}

void HelpLine::addNeutral(QWidget* control) {
  neutral_.insert(control);
  control->setAttribute(Qt::WA_NoMousePropagation);
}

bool HelpLine::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (line_ && watched->isWidgetType() && (type == QEvent::MouseMove || type == QEvent::Enter)) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() == line_->window()) {
      // Entering a window or panel on the way to a box must not empty the
      // line; only entering a control with a hint says something.
      if (type == QEvent::MouseMove || hints_.contains(widget)) pointAt(widget);
    }
  }
  return false;
}

void HelpLine::pointAt(QWidget* widget) {
  const QWidget* control = describedControl(widget);
  if (!control) {
    line_->clear();
    return;
  }
  // A neutral control leaves the line as it is.
  if (const auto hint = hints_.constFind(control); hint != hints_.constEnd()) line_->setText(*hint);
}

const QWidget* HelpLine::describedControl(const QWidget* widget) const {
  for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
    // A caption counts as the box it names.
    if (const auto* caption = qobject_cast<const QLabel*>(w); caption && caption->buddy())
      w = caption->buddy();
    if (hints_.contains(w) || neutral_.contains(w)) return w;
  }
  return nullptr;
}

}  // namespace velinda
