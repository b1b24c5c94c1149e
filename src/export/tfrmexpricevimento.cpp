#include "export/tfrmexpricevimento.h"

TfrmExpRicevimento::TfrmExpRicevimento(QWidget* parent) : ExportScreen(returnReceiptExport(), parent) {
  setObjectName(u"TfrmExpRicevimento"_qs);
}
