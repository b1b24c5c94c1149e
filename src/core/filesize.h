#pragma once

#include <QFile>

namespace velinda {

namespace FileSize {

// The size of an open file as the disk or the file server has it now. A
// network client may answer a plain size query from what it learnt a moment
// ago (a FUSE mount such as smbnetfs, for about a second), which would hide
// a record another desk has just added; here it asks again.
qint64 fresh(const QFile& file);

}  // namespace FileSize

}  // namespace velinda
