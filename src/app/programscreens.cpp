#include "app/programscreens.h"

#include "app/tfrmavvio.h"
#include "editors/tfrmaccettazione.h"

ProgramScreens::ProgramScreens()
    : menu_(new TfrmAvvio), accettazione_(new TfrmAccettazione) {
  menu_->setWorkspaces(nullptr, accettazione_, nullptr);
  connect(menu_, &TfrmAvvio::exitRequested, this, &ProgramScreens::finished);
}

ProgramScreens::~ProgramScreens() {
  delete accettazione_;
  delete menu_;
}

void ProgramScreens::start() { menu_->showMaximized(); }
