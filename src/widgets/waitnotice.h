#pragma once

#include <memory>

class QLabel;

namespace velinda {

// What the user sees while an action waits for another station: the busy
// cursor at once and, once the wait has gone on for a second, a line over
// the active window saying what it waits for. The wait runs on the
// user-interface thread, so the line is painted at once rather than left to
// the event loop.
class WaitNotice {
 public:
  WaitNotice();
  ~WaitNotice();

  void started();
  void becameLong();
  void ended();

  // The line, while it is shown; for tests.
  static QLabel* shownLine();

 private:
  std::unique_ptr<QLabel> line_;
};

}  // namespace velinda
