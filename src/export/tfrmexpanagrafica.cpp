#include "export/tfrmexpanagrafica.h"

using namespace Qt::StringLiterals;

TfrmExpAnagrafica::TfrmExpAnagrafica(QWidget* parent) : ExportScreen(addressBookExport(), parent) {
  setObjectName(u"TfrmExpAnagrafica"_s);
}
