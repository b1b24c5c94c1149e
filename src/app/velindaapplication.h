#pragma once

#include <QApplication>

// The program's application object. A failure that no screen catches stops
// the action that raised it and is shown with its own text; the program
// carries on.
class VelindaApplication : public QApplication {
  Q_OBJECT
 public:
  VelindaApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};
