#pragma once

#include <QObject>

namespace velinda {

class TfrmAvvio;
class TfrmAccettazione;
class TfrmAnagrafica;
class TfrmRicevimento;
class TfrmCambiaPassword;
class TfrmPassword;

// The screens that live for the whole run, created once at start in the
// program's order (login, main menu, the workspaces, password change); every
// other screen is built by whoever opens it.
class ProgramScreens : public QObject {
  Q_OBJECT
 public:
  ProgramScreens();
  ~ProgramScreens() override;

  // Shows the login screen.
  void start();

 signals:
  void finished();

 private:
  TfrmPassword* login_;
  TfrmAvvio* menu_;
  TfrmAccettazione* accettazione_;
  TfrmRicevimento* ricevimento_;
  TfrmAnagrafica* anagrafica_;
  TfrmCambiaPassword* changePassword_;
};

}  // namespace velinda
