#include "widgets/waitnotice.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

#include "widgets/palette.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {
QLabel* current = nullptr;
}

WaitNotice::WaitNotice() = default;

WaitNotice::~WaitNotice() {
  if (current == line_.get()) current = nullptr;
}

void WaitNotice::started() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void WaitNotice::becameLong() {
  if (!line_) {
    line_ = std::make_unique<QLabel>(
        u"Attendere: un'altra postazione sta usando lo stesso archivio..."_s);
    line_->setObjectName(u"lblAttesaPostazione"_s);
    line_->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    line_->setAccessibleName(line_->text());
    line_->setMargin(12);
    line_->setStyleSheet(u"background: %1; color: %2; border: 1px solid %3;"_s.arg(
        Palette::css(Palette::kLightSteelBlue), Palette::css(Palette::kInk),
        Palette::css(Palette::kSteelBlue)));
  }
  line_->adjustSize();
  const QWidget* over = QApplication::activeWindow();
  const QRect area =
      over ? over->frameGeometry() : QApplication::primaryScreen()->availableGeometry();
  line_->move(area.center() - line_->rect().center());
  line_->show();
  current = line_.get();
  // Paint it now: the event loop stays still until the wait ends. Input,
  // timers and sockets wait too, so nothing else runs in the middle of the
  // action.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                              QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers);
  line_->repaint();
}

void WaitNotice::ended() {
  if (line_) line_->hide();
  current = nullptr;
  QApplication::restoreOverrideCursor();
}

QLabel* WaitNotice::shownLine() { return current; }

}  // namespace velinda
