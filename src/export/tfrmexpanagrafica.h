#pragma once

#include "export/exportscreen.h"

namespace velinda {

// Exports Anagrafica.pro to Anagrafica.xls.
class TfrmExpAnagrafica : public ExportScreen {
  Q_OBJECT
 public:
  explicit TfrmExpAnagrafica(QWidget* parent = nullptr);
};

}  // namespace velinda
