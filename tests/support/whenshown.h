#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

namespace velinda {

// Acts on the modal window of type T as soon as it is shown, from inside
// its own event loop; a test then checks what the action recorded once the
// window has closed. The window may open later (a shortcut clicks its
// button after a short delay), so it is looked for until it shows.
template <typename T>
void whenShown(std::function<void(T&)> act) {
  auto* poll = new QTimer;
  auto* waited = new QElapsedTimer;
  waited->start();
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, waited, act] {
    auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!window) {
      if (waited->elapsed() > 10000) qFatal("the expected modal window is not shown");
      return;
    }
    poll->stop();
    poll->deleteLater();
    delete waited;
    act(*window);
  });
  poll->start();
}

}  // namespace velinda
