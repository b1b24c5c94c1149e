#include "print/tfrmstamparicevimentodes.h"

#include "print/formsetups.h"

namespace velinda {

using namespace Qt::StringLiterals;

TfrmStampaRicevimentoDes::TfrmStampaRicevimentoDes(FormTexts texts, QWidget* parent)
    : FormPrintScreen(FormSetups::recipientSide(), std::move(texts), parent) {
  setObjectName(u"TfrmStampaRicevimentoDes"_s);
}

FormControls TfrmStampaRicevimentoDes::reads() { return FormSetups::recipientSide().controls(); }

}  // namespace velinda
