#pragma once

#include "export/exportscreen.h"

namespace velinda {

// Exports Ricevute_Accettazione.pro to Ricevute_Accettazione.xls.
class TfrmExpAccettazione : public ExportScreen {
  Q_OBJECT
 public:
  explicit TfrmExpAccettazione(QWidget* parent = nullptr);
};

}  // namespace velinda
