#pragma once

#include <QApplication>

namespace velinda {

// The busy cursor over every window of the program for as long as this
// object lives: work on the user-interface thread that takes a while.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace velinda
