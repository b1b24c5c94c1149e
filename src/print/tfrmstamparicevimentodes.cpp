#include "print/tfrmstamparicevimentodes.h"

#include "print/formsetups.h"

using namespace Qt::StringLiterals;

TfrmStampaRicevimentoDes::TfrmStampaRicevimentoDes(QWidget* source, QWidget* parent)
    : FormPrintScreen(FormSetups::recipientSide(), source, parent) {
  setObjectName(u"TfrmStampaRicevimentoDes"_s);
}
