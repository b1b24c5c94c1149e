#include "print/tfrmstamparicevimentodes.h"

#include "print/formsetups.h"

TfrmStampaRicevimentoDes::TfrmStampaRicevimentoDes(QWidget* source, QWidget* parent)
    : FormPrintScreen(FormSetups::recipientSide(), source, parent) {
  setObjectName(u"TfrmStampaRicevimentoDes"_qs);
}
