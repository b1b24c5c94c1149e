#include "export/tfrmexpaccettazione.h"

namespace velinda {

using namespace Qt::StringLiterals;

TfrmExpAccettazione::TfrmExpAccettazione(QWidget* parent)
    : ExportScreen(acceptanceExport(), parent) {
  setObjectName(u"TfrmExpAccettazione"_s);
}

}  // namespace velinda
