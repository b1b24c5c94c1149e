#include "print/tfrmstamparicevimentomit.h"

#include "print/formsetups.h"

using namespace Qt::StringLiterals;

TfrmStampaRicevimentoMit::TfrmStampaRicevimentoMit(QWidget* source, QWidget* parent)
    : FormPrintScreen(FormSetups::senderSide(), source, parent) {
  setObjectName(u"TfrmStampaRicevimentoMit"_s);
}
