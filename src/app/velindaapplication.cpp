#include "app/velindaapplication.h"

#include <QIcon>

#include "archive/archivelock.h"
#include "platform/guardedaction.h"
#include "platform/translation.h"
#include "widgets/onelineboxes.h"

using namespace Qt::StringLiterals;

VelindaApplication::VelindaApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(u"Velinda"_s);
  setApplicationVersion(QStringLiteral(VELINDA_VERSION));
  setDesktopFileName(u"velinda"_s);
  setWindowIcon(QIcon(u":/art/velinda.svg"_s));
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
  bool handled = false;
  runGuarded(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
  return handled;
}
