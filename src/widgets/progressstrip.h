#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace velinda {

// How far a long piece of work on the user-interface thread has got: a
// count ("Schede esportate: 45.000 su 100.000") and a bar. Work
// that ends within half a second shows nothing; once shown, the strip
// repaints itself as the work advances, since the event loop does not run
// until the work is done. While shown it takes the place of another control
// (a help line, a hint), which comes back when the work ends.
class ProgressStrip : public QWidget {
  Q_OBJECT
 public:
  ProgressStrip(const QString& objectName, QWidget* replaces, const QFont& font, QColor text,
                QColor bar);

  // `caption` comes before the count.
  void start(const QString& caption, int total);
  void advance(int done);
  void finish();

  // How long work runs before the strip appears (half a second).
  void setDelay(int milliseconds) { delay_ = milliseconds; }
  QString text() const;

 private:
  QWidget* replaces_;
  QLabel* text_;
  QProgressBar* bar_;
  QString caption_;
  int total_ = 0;
  QElapsedTimer clock_;
  qint64 shownAt_ = -1;  // when the strip last repainted, -1 while hidden
  int delay_ = 500;
};

}  // namespace velinda
