#include "widgets/progressstrip.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>

#include "widgets/controls.h"
#include "widgets/palette.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {
// Often enough to look alive, seldom enough to cost nothing.
constexpr qint64 kRepaintEvery = 100;
}  // namespace

ProgressStrip::ProgressStrip(const QString& objectName, QWidget* replaces, const QFont& font,
                             QColor text, QColor bar)
    : QWidget(replaces->parentWidget()),
      replaces_(replaces),
      text_(Controls::label({}, {}, this)),
      bar_(new QProgressBar(this)) {
  setObjectName(objectName);
  text_->setFont(font);
  text_->setStyleSheet(Palette::textColourStyle(text));
  bar_->setTextVisible(false);
  bar_->setStyleSheet(
      u"QProgressBar { border: 1px solid %1; background: %2; }"
      "QProgressBar::chunk { background: %3; }"_s.arg(
          Palette::css(text), Palette::css(Palette::kWhite), Palette::css(bar)));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 2, 0, 2);
  row->addWidget(text_, 1);
  row->addWidget(bar_, 1);
  hide();
}

void ProgressStrip::start(const QString& caption, int total) {
  caption_ = caption;
  total_ = total;
  bar_->setRange(0, qMax(total, 1));
  bar_->setValue(0);
  shownAt_ = -1;
  clock_.start();
}

void ProgressStrip::advance(int done) {
  if (!clock_.isValid()) return;
  const qint64 now = clock_.elapsed();
  if (now < delay_ || (shownAt_ >= 0 && now - shownAt_ < kRepaintEvery)) return;
  shownAt_ = now;
  const QLocale italian(QLocale::Italian);
  text_->setText(caption_ + u' ' + italian.toString(done) + u" su "_s + italian.toString(total_));
  bar_->setValue(qMin(done, bar_->maximum()));
  if (isHidden()) {
    setGeometry(replaces_->geometry());
    replaces_->hide();
    show();
    raise();
  }
  repaint();
  // Lets the window system's paint requests through (a window uncovered,
  // the bridge of a screen reader asking), but no click or key: the screen
  // stays as it is until the work ends.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ProgressStrip::finish() {
  clock_.invalidate();
  if (isHidden()) return;
  hide();
  replaces_->show();
}

QString ProgressStrip::text() const { return text_->text(); }

}  // namespace velinda
