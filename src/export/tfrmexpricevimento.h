#pragma once

#include "export/exportscreen.h"

namespace velinda {

// Exports Avvisi_Ricevimento.pro to Avvisi_Ricevimento.xls.
class TfrmExpRicevimento : public ExportScreen {
  Q_OBJECT
 public:
  explicit TfrmExpRicevimento(QWidget* parent = nullptr);
};

}  // namespace velinda
