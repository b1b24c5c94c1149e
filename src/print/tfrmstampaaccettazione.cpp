#include "print/tfrmstampaaccettazione.h"

#include "print/formsetups.h"

using namespace Qt::StringLiterals;

TfrmStampaAccettazione::TfrmStampaAccettazione(QWidget* source, QWidget* parent)
    : FormPrintScreen(FormSetups::acceptance(), source, parent) {
  setObjectName(u"TfrmStampaAccettazione"_s);
}
