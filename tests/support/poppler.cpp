#include "support/poppler.h"

#include <QStandardPaths>

namespace velinda {

using namespace Qt::StringLiterals;

QStringList missingPopplerTools() {
  QStringList missing;
  for (const QString& tool : {u"pdftotext"_s, u"pdftoppm"_s})
    if (QStandardPaths::findExecutable(tool).isEmpty()) missing << tool;
  return missing;
}

}  // namespace velinda
