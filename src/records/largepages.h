#pragma once

#include <QtGlobal>

namespace velinda {

// Asks the system to back a large buffer that is about to be filled with
// pages as large as it has (2 MB rather than 4 KB on Linux), so that filling
// it takes a few hundred page faults instead of thousands. Under
// virtualisation a page fault costs tens of microseconds: a list of 100,000
// lines would spend longer taking its memory than reading its archive.
// Only advice: where the system has no such pages, nothing changes.
void adviseLargePages(const void* data, qsizetype bytes);

}  // namespace velinda
