// Archive files as a damaged disk, another program or a crafted shared
// folder may leave them, read the way the lists, searches and export read
// them: every record decodes, its texts come out trimmed and within their
// field, each list line is one line, and a record written back reads back
// byte for byte. The first byte of an input chooses the archive.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>

#include "archive/archiveerror.h"
#include "archive/tarchivio.h"
#include "core/text.h"
#include "records/listlines.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

struct Kind {
  const ArchiveDefinition& (*archive)();
  std::initializer_list<ListLines::LineKind> lines;
};

const Kind kKinds[] = {
    {acceptanceArchive, {ListLines::LineKind::Receipt}},
    {returnReceiptArchive, {ListLines::LineKind::Receipt}},
    {addressBookArchive,
     {ListLines::LineKind::CardEndingQuestioni, ListLines::LineKind::CardEndingNote}},
};

void check(bool condition) {
  if (!condition) std::abort();
}

void checkRecord(const TScheda& record, const Kind& kind) {
  const RecordLayout& layout = record.layout();
  for (int i = 0; i < layout.fieldCount(); ++i) {
    const QString text = record.text(i);
    check(text.size() <= layout.field(i).capacity);
    check(Text::trimmed(text) == text);
    (void)record.flag(i);
  }
  for (ListLines::LineKind line : kind.lines) {
    const QString listed = ListLines::lineOf(record, line);
    check(Text::oneLine(listed) == listed);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // In memory where the system offers it: a file rewritten on every input
  // makes a disk filesystem flush it each time.
  static QTemporaryDir folder(
      (QFileInfo(u"/dev/shm"_s).isWritable() ? u"/dev/shm"_s : QDir::tempPath()) +
      u"/velinda-fuzz-XXXXXX"_s);
  if (size == 0) return 0;
  const Kind& kind = kKinds[data[0] % 3];
  const ArchiveDefinition& archive = kind.archive();
  const QString path = folder.filePath(archive.fileName);
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
  }

  TArchivio file(archive, path);
  file.Open();
  const int count = file.Count();
  check(count == int((size - 1) / std::size_t(archive.layout.size())));
  TScheda record(archive.layout);
  int read = 0;
  while (!file.AtEnd()) {
    file.ReadNext(record);
    check(file.Position() == ++read);
    checkRecord(record, kind);
  }
  check(read == count);

  if (count > 0) {
    file.ReadAt(count, record);
    const QByteArray before = record.bytes();
    file.WriteAt(count, record);
    file.ReadAt(count, record);
    check(record.bytes() == before);
    check(file.Count() == count);
  }
  file.Close();
  return 0;
}
