#include "records/archivelines.h"

#include "archive/tarchivio.h"
#include "core/text.h"

namespace ArchiveLines {

namespace {
void forEachRecord(const ArchiveDefinition& archive,
                   const std::function<void(const TScheda&, int)>& visit) {
  TArchivio file(archive);
  file.Open();
  TScheda record(archive.layout);
  // Counted once: the count measures the file, which takes a system call.
  for (int count = file.Count(); file.Position() < count;) {
    file.ReadNext(record);
    visit(record, file.Position());
  }
  file.Close();
}
}  // namespace

void collect(const ArchiveDefinition& archive, ListLines::LineKind kind,
             const std::function<bool(const TScheda&)>& selects, QStringList& lines) {
  forEachRecord(archive, [&](const TScheda& record, int) {
    if (selects(record)) lines << ListLines::lineOf(record, kind);
  });
}

void forEachWithLine(const ArchiveDefinition& archive, ListLines::LineKind kind,
                     const QString& line,
                     const std::function<void(const TScheda&, int)>& found) {
  const QString wanted = Text::trimmed(line);
  forEachRecord(archive, [&](const TScheda& record, int position) {
    if (Text::trimmed(ListLines::lineOf(record, kind)) == wanted) found(record, position);
  });
}

}  // namespace ArchiveLines
