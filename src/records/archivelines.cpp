#include "records/archivelines.h"

#include "archive/tarchivio.h"
#include "core/text.h"
#include "records/linelist.h"

namespace velinda {

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
             const std::function<bool(const TScheda&)>& selects, LineList& lines) {
  const ListLines::LineMaker maker(archive.layout, kind);
  TArchivio file(archive);
  file.Open();
  TScheda record(archive.layout);
  // Counted once: the count measures the file, which takes a system call.
  const int count = file.Count();
  lines.reserve(count, maker.longest());
  while (file.Position() < count) {
    file.ReadNext(record);
    if (selects(record)) maker.appendTo(record, lines);
  }
  file.Close();
  lines.squeeze();
}

void forEachWithLine(const ArchiveDefinition& archive, ListLines::LineKind kind,
                     const QString& line, const std::function<void(const TScheda&, int)>& found) {
  const QString wanted = Text::trimmed(line);
  const ListLines::LineMaker maker(archive.layout, kind);
  forEachRecord(archive, [&](const TScheda& record, int position) {
    if (Text::trimmed(maker.lineOf(record)) == wanted) found(record, position);
  });
}

}  // namespace ArchiveLines

}  // namespace velinda
