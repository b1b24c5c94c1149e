#include "editors/attachmentlabels.h"

#include <QLabel>

namespace AttachmentLabels {

void create(QWidget* parent) {
  for (const char* name : {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02",
                           "lblDesc03"}) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->hide();
  }
}

}  // namespace AttachmentLabels
