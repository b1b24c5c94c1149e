#pragma once

#include "export/exportscreen.h"

// Exports Avvisi_Ricevimento.pro to Avvisi_Ricevimento.xls.
class TfrmExpRicevimento : public ExportScreen {
  Q_OBJECT
 public:
  explicit TfrmExpRicevimento(QWidget* parent = nullptr);
};
