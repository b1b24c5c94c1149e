#include "print/tfrmstampaaccettazione.h"

#include "print/formsetups.h"

TfrmStampaAccettazione::TfrmStampaAccettazione(QWidget* source, QWidget* parent)
    : FormPrintScreen(FormSetups::acceptance(), source, parent) {
  setObjectName(u"TfrmStampaAccettazione"_qs);
}
