#include "search/editorfill.h"

#include <QLabel>
#include <QLineEdit>

#include "archive/tscheda.h"
#include "records/importtargets.h"
#include "records/recordbinding.h"
#include "widgets/boxtext.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace EditorFill {

void loadRecord(QWidget* editor, const TScheda& record, int position) {
  RecordBinding::load(editor, record);
  if (auto* label = RecordBinding::control<QLabel>(editor, u"lblPosizione"_s))
    label->setText(QString::number(position));
}

void importCard(QWidget* editor, const TScheda& card, const QString& tag) {
  for (const ImportTargets::Copy& copy : ImportTargets::copiesFor(tag))
    if (auto* box = RecordBinding::control<QLineEdit>(editor, copy.box))
      BoxText::put(box, card.text(copy.cardField));
}

}  // namespace EditorFill

}  // namespace velinda
