#include "export/tfrmexpricevimento.h"

using namespace Qt::StringLiterals;

TfrmExpRicevimento::TfrmExpRicevimento(QWidget* parent)
    : ExportScreen(returnReceiptExport(), parent) {
  setObjectName(u"TfrmExpRicevimento"_s);
}
