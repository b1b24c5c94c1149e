#include "export/tfrmexpaccettazione.h"

TfrmExpAccettazione::TfrmExpAccettazione(QWidget* parent) : ExportScreen(acceptanceExport(), parent) {
  setObjectName(u"TfrmExpAccettazione"_qs);
}
