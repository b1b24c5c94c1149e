#pragma once

#include <QEvent>
#include <QStringList>

#include "widgets/progressstrip.h"

namespace velinda {

// Records the text a progress strip shows each time it is painted: what a
// user saw while the work ran.
class StripWatch : public QObject {
 public:
  explicit StripWatch(ProgressStrip* strip) : strip_(strip) { strip->installEventFilter(this); }

  QStringList shown;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) shown << strip_->text();
    return false;
  }

 private:
  ProgressStrip* strip_;
};

}  // namespace velinda
