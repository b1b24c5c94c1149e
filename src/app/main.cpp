#include "app/programscreens.h"
#include "app/velindaapplication.h"

int main(int argc, char** argv) {
  velinda::VelindaApplication app(argc, argv);
  velinda::ProgramScreens screens;
  QObject::connect(&screens, &velinda::ProgramScreens::finished, &app, &QApplication::quit);
  screens.start();
  return app.exec();
}
