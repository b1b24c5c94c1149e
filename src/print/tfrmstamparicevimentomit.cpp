#include "print/tfrmstamparicevimentomit.h"

#include "print/formsetups.h"

namespace velinda {

using namespace Qt::StringLiterals;

TfrmStampaRicevimentoMit::TfrmStampaRicevimentoMit(FormTexts texts, QWidget* parent)
    : FormPrintScreen(FormSetups::senderSide(), std::move(texts), parent) {
  setObjectName(u"TfrmStampaRicevimentoMit"_s);
}

FormControls TfrmStampaRicevimentoMit::reads() { return FormSetups::senderSide().controls(); }

}  // namespace velinda
