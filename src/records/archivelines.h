#pragma once

#include <QStringList>
#include <functional>

#include "archive/layouts.h"
#include "records/listlines.h"

namespace velinda {

class LineList;
class TScheda;

// Reading an archive for a list, from its first record to its last. Every
// failure throws ArchiveError after the archive is closed again; what was
// done before it stays done, so each screen decides whether to swallow or
// report it.
namespace ArchiveLines {

// Appends to `lines` the line of every record that `selects` accepts.
void collect(const ArchiveDefinition& archive, ListLines::LineKind kind,
             const std::function<bool(const TScheda&)>& selects, LineList& lines);

// Calls `found` with every record (and its 1-based number) whose line,
// trimmed, equals `line`, trimmed, in archive order: whoever fills a screen
// from it ends up showing the last one.
void forEachWithLine(const ArchiveDefinition& archive, ListLines::LineKind kind,
                     const QString& line,
                     const std::function<void(const TScheda&, int position)>& found);

}  // namespace ArchiveLines

}  // namespace velinda
