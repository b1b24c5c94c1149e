#include "export/tfrmexpanagrafica.h"

namespace velinda {

using namespace Qt::StringLiterals;

TfrmExpAnagrafica::TfrmExpAnagrafica(QWidget* parent) : ExportScreen(addressBookExport(), parent) {
  setObjectName(u"TfrmExpAnagrafica"_s);
}

}  // namespace velinda
