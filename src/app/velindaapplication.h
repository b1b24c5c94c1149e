#pragma once

#include <QApplication>
#include <memory>

namespace velinda {

class WaitNotice;

// The program's application object. Every click, menu item and key runs its
// action guarded (platform/guardedaction.h); a failure that still escapes an
// event handler is caught here as a last resort, shown with its own text,
// and the program carries on.
class VelindaApplication : public QApplication {
  Q_OBJECT
 public:
  VelindaApplication(int& argc, char** argv);
  ~VelindaApplication() override;
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  std::unique_ptr<WaitNotice> waitNotice_;
};

}  // namespace velinda
