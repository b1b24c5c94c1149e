#include "app/velindaapplication.h"

#include <QIcon>

#include "core/filelock.h"
#include "platform/guardedaction.h"
#include "platform/translation.h"
#include "widgets/mnemonickeys.h"
#include "widgets/onelineboxes.h"
#include "widgets/waitnotice.h"

namespace velinda {

using namespace Qt::StringLiterals;

VelindaApplication::VelindaApplication(int& argc, char** argv)
    : QApplication(argc, argv), waitNotice_(std::make_unique<WaitNotice>()) {
  setApplicationName(u"Velinda"_s);
  setApplicationVersion(QStringLiteral(VELINDA_VERSION));
  setDesktopFileName(u"velinda"_s);
  setWindowIcon(QIcon(u":/art/velinda.svg"_s));
  installItalianTranslation(*this);
  // While an action waits for another station to release an archive.
  FileLock::setWaitIndicator([this](FileLock::WaitPhase phase) {
    switch (phase) {
      case FileLock::WaitPhase::Started:
        waitNotice_->started();
        break;
      case FileLock::WaitPhase::Long:
        waitNotice_->becameLong();
        break;
      case FileLock::WaitPhase::Ended:
        waitNotice_->ended();
        break;
    }
  });
  OneLineBoxes::install();
  MnemonicKeys::install();
}

VelindaApplication::~VelindaApplication() { FileLock::setWaitIndicator({}); }

bool VelindaApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  runGuarded(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

}  // namespace velinda
