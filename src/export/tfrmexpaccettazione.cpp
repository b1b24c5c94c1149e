#include "export/tfrmexpaccettazione.h"

using namespace Qt::StringLiterals;

TfrmExpAccettazione::TfrmExpAccettazione(QWidget* parent)
    : ExportScreen(acceptanceExport(), parent) {
  setObjectName(u"TfrmExpAccettazione"_s);
}
