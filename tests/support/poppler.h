#pragma once

#include <QString>
#include <QTest>

namespace velinda {

using namespace Qt::StringLiterals;

// The poppler tools the PDF read-back runs (pdftotext, pdftoppm) that cannot
// be found on this machine, by name; empty when both are there.
QStringList missingPopplerTools();

// Skips the running test, saying why, when poppler's tools are missing. A
// macro because only the test function itself can skip.
#define REQUIRE_POPPLER()                                                                 \
  do {                                                                                    \
    const QStringList missing = missingPopplerTools();                                    \
    if (!missing.isEmpty())                                                               \
      QSKIP(qPrintable(u"poppler-utils is not installed: no "_s + missing.join(u", "_s) + \
                       u" to read the PDF back"_s));                                      \
  } while (false)

}  // namespace velinda
