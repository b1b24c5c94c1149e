#include "support/poppler.h"

#include <QStandardPaths>

QStringList missingPopplerTools() {
  QStringList missing;
  for (const QString& tool : {u"pdftotext"_qs, u"pdftoppm"_qs})
    if (QStandardPaths::findExecutable(tool).isEmpty()) missing << tool;
  return missing;
}
