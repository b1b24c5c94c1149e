#include "app/programscreens.h"

#include "app/password/tfrmcambiapassword.h"
#include "app/password/tfrmpassword.h"
#include "app/tfrmavvio.h"
#include "editors/tfrmaccettazione.h"
#include "editors/tfrmanagrafica.h"
#include "editors/tfrmricevimento.h"

namespace velinda {

ProgramScreens::ProgramScreens()
    : login_(new TfrmPassword),
      menu_(new TfrmAvvio),
      accettazione_(new TfrmAccettazione),
      ricevimento_(new TfrmRicevimento),
      anagrafica_(new TfrmAnagrafica),
      changePassword_(new TfrmCambiaPassword(login_)) {
  login_->setChangeScreen(changePassword_);
  menu_->addWorkspace(anagrafica_);
  menu_->addWorkspace(accettazione_);
  menu_->addWorkspace(ricevimento_);
  connect(login_, &TfrmPassword::loginSucceeded, menu_, &QWidget::showMaximized);
  connect(login_, &TfrmPassword::exitRequested, this, &ProgramScreens::finished);
  connect(menu_, &TfrmAvvio::exitRequested, this, &ProgramScreens::finished);
}

ProgramScreens::~ProgramScreens() {
  delete changePassword_;
  delete anagrafica_;
  delete ricevimento_;
  delete accettazione_;
  delete menu_;
  delete login_;
}

void ProgramScreens::start() { login_->show(); }

}  // namespace velinda
