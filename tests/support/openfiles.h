#pragma once

#include <QString>
#include <QStringList>

namespace velinda {

// The files this process holds open right now, by their full canonical path,
// read from /proc/self/fd. Removing an open file succeeds on Linux, so this
// is the way to tell that a file has really been let go.
QStringList openFiles();

// Whether this process holds the existing file `path` open.
bool isOpen(const QString& path);

// False where the system has no /proc/self/fd (Windows); there a file this
// process holds open cannot be removed, which tells the same.
bool canListOpenFiles();

}  // namespace velinda
