#include "app/velindaapplication.h"

#include <QIcon>
#include <exception>

#include "archive/archivelock.h"
#include "platform/messageservice.h"
#include "platform/services.h"
#include "platform/translation.h"
#include "widgets/onelineboxes.h"

using namespace Qt::StringLiterals;

VelindaApplication::VelindaApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(u"Velinda"_s);
  setApplicationVersion(QStringLiteral(VELINDA_VERSION));
  setDesktopFileName(u"velinda"_s);
  setWindowIcon(QIcon(u":/art/velinda.svg"_s));
  // Closing the last visible window (the login screen before a login, the
  // main menu after it) ends the program.
  installItalianTranslation(*this);
  // While an action waits for another station to release an archive.
  ArchiveLock::setWaitIndicator([](bool waiting) {
    if (waiting)
      setOverrideCursor(Qt::WaitCursor);
    else
      restoreOverrideCursor();
  });
  OneLineBoxes::install();
}

bool VelindaApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    Services::messages().unexpected(activeWindow(), QString::fromUtf8(error.what()));
  }
  return false;
}
