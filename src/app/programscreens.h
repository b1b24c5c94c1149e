#pragma once

#include <QObject>

class TfrmAvvio;
class TfrmAccettazione;

// The screens that live for the whole run, created once at start in the
// program's order; every other screen is built by whoever opens it.
class ProgramScreens : public QObject {
  Q_OBJECT
 public:
  ProgramScreens();
  ~ProgramScreens() override;

  // Shows the first screen.
  void start();

  TfrmAvvio* menu() const { return menu_; }
  TfrmAccettazione* accettazione() const { return accettazione_; }

 signals:
  void finished();

 private:
  TfrmAvvio* menu_;
  TfrmAccettazione* accettazione_;
};
