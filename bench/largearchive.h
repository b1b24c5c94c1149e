#pragma once

#include <QString>

namespace velinda {

// A large acceptance archive as a busy office has it: every letter not yet
// sent, every address filled in, one letter in 10,000 to a rare recipient
// ("Ditta Rarissima") for searches that find few.
namespace LargeArchive {

// Writes `records` records to the file at `path`, replacing it.
void write(const QString& path, int records);

// An archive of `records` records in a temporary folder that lives as long
// as the program; written once per size.
QString temporary(int records);

}  // namespace LargeArchive

}  // namespace velinda
