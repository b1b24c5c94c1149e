#pragma once

#include <QDateTime>
#include <QDialog>
#include <functional>

#include "report/page.h"

// Prints the card shown on `source` (the address-book screen) as a one-page
// sheet on plain paper: no offsets and no orientation to choose.
class TfrmStampaAnagrafica : public QDialog {
  Q_OBJECT
 public:
  using Clock = std::function<QDateTime()>;

  explicit TfrmStampaAnagrafica(QWidget* source, QWidget* parent = nullptr);

  // Where the footer's date and time come from; the system clock by default.
  void setClock(Clock clock) { clock_ = std::move(clock); }

  // The page as "Stampa" would print it now, stamped with the clock's time.
  // Throws when the source lacks a control.
  Page preparedPage() const;

 private:
  void buildControls();
  void print();

  QWidget* source_;
  Clock clock_;
};
