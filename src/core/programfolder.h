#pragma once

#include <QString>

namespace velinda {

// The folder that holds the running program's executable. Everything the
// program stores lives here, so copying the folder is the whole backup.
namespace ProgramFolder {

// The folder, always ending with a '/'.
QString path();

// The folder followed by a file name.
QString filePath(const QString& fileName);

// Tests point the program at a folder of their own; an empty text restores
// the executable's folder. Answers the folder set before (empty for none), so
// that whoever sets one can put the previous one back.
QString setOverride(const QString& folder);

}  // namespace ProgramFolder

}  // namespace velinda
