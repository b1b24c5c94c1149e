#include "print/tfrmstampaaccettazione.h"

#include "print/formsetups.h"

namespace velinda {

using namespace Qt::StringLiterals;

TfrmStampaAccettazione::TfrmStampaAccettazione(FormTexts texts, QWidget* parent)
    : FormPrintScreen(FormSetups::acceptance(), std::move(texts), parent) {
  setObjectName(u"TfrmStampaAccettazione"_s);
}

FormControls TfrmStampaAccettazione::reads() { return FormSetups::acceptance().controls(); }

}  // namespace velinda
