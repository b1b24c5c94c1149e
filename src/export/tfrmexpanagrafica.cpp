#include "export/tfrmexpanagrafica.h"

TfrmExpAnagrafica::TfrmExpAnagrafica(QWidget* parent) : ExportScreen(addressBookExport(), parent) {
  setObjectName(u"TfrmExpAnagrafica"_qs);
}
