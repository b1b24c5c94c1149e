#include "export/tfrmexpricevimento.h"

namespace velinda {

using namespace Qt::StringLiterals;

TfrmExpRicevimento::TfrmExpRicevimento(QWidget* parent)
    : ExportScreen(returnReceiptExport(), parent) {
  setObjectName(u"TfrmExpRicevimento"_s);
}

}  // namespace velinda
