#pragma once

#include <QString>
#include <vector>

#include "report/page.h"
#include "report/printservice.h"

// Prepared pages as a PDF file, one page per sheet. The file replaces what
// was at `path` only once the whole document is on disk: a failure (a full
// disk, a folder that cannot be written) throws PrintError and leaves no
// cut-short document behind. (Qt's own PDF output never reports a failed
// write.)
namespace PdfFile {

void write(const QString& path, const std::vector<Page>& pages, const QString& title,
           const PageProgress& progress = {});

}  // namespace PdfFile
