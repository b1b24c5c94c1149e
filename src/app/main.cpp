#include "app/programscreens.h"
#include "app/velindaapplication.h"

int main(int argc, char** argv) {
  VelindaApplication app(argc, argv);
  ProgramScreens screens;
  QObject::connect(&screens, &ProgramScreens::finished, &app, &QApplication::quit);
  screens.start();
  return app.exec();
}
