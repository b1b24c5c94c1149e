#include "editors/attachmentlabels.h"

#include <QLabel>

#include "widgets/controls.h"

namespace velinda {

namespace AttachmentLabels {

void create(QWidget* parent) {
  for (const char* name :
       {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"}) {
    Controls::label(QString::fromLatin1(name), {}, parent)->hide();
  }
}

}  // namespace AttachmentLabels

}  // namespace velinda
