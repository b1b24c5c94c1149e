#pragma once

#include <QString>

class QIODevice;
#include <vector>

#include "report/page.h"
#include "report/pagesource.h"
#include "report/printservice.h"

namespace velinda {

// Prepared pages as a PDF file, one page per sheet. The file replaces what
// was at `path` only once the whole document is on disk: a failure (a full
// disk, a folder that cannot be written) throws PrintError and leaves no
// cut-short document behind. (Qt's own PDF output never reports a failed
// write.)
namespace PdfFile {

void write(const QString& path, PageSource& pages, const QString& title,
           const PageProgress& progress = {});
void write(const QString& path, const std::vector<Page>& pages, const QString& title,
           const PageProgress& progress = {});

// The pages as a PDF document written to `device` as they are painted: the
// device need not be a file, nor able to seek. Throws PrintError when the
// painting fails; the device reports its own write failures.
void writeTo(QIODevice& device, PageSource& pages, const QString& title,
             const PageProgress& progress = {});

}  // namespace PdfFile

}  // namespace velinda
