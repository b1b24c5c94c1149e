#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Acts on the modal window of type T as soon as it is shown, from inside
// its own event loop; a test then checks what the action recorded once the
// window has closed.
template <typename T>
void whenShown(std::function<void(T&)> act) {
  QTimer::singleShot(0, [act] {
    auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!window) qFatal("the expected modal window is not shown");
    act(*window);
  });
}
