// The work behind the list and export screens on a 100,000-record acceptance
// archive, each against a raw read of the same file in the same run: the
// lines of a status list, a search that finds few, the export grid's model
// and the spreadsheet written from it (against a raw write of as many bytes).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "archive/tarchivio.h"
#include "export/exportgridmodel.h"
#include "export/spreadsheetwriter.h"
#include "largearchive.h"
#include "core/programfolder.h"
#include "records/archivelines.h"
#include "records/listkinds.h"
#include "records/searchfilter.h"

using namespace Qt::StringLiterals;

namespace {

const int kRecords = 100000;

// The large archive, where the program looks for its archives.
const ArchiveDefinition& largeArchive() {
  ProgramFolder::setOverride(QFileInfo(LargeArchive::temporary(kRecords)).path());
  return acceptanceArchive();
}

void RawRead(benchmark::State& state) {
  const QString path = LargeArchive::temporary(kRecords);
  QByteArray block(1 << 20, '\0');
  for (auto _ : state) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("cannot read");
    qint64 total = 0;
    qint64 n = 0;
    while ((n = file.read(block.data(), block.size())) > 0) total += n;
    benchmark::DoNotOptimize(total);
  }
}

// Every record read and nothing done with it, AtEnd asked before each one:
// what the archive file alone costs.
void ArchiveScan(benchmark::State& state) {
  const ArchiveDefinition& archive = largeArchive();
  for (auto _ : state) {
    TArchivio file(archive);
    file.Open();
    TScheda r(archive.layout);
    while (!file.AtEnd()) file.ReadNext(r);
  }
}

void UnsentLines(benchmark::State& state) {
  const ArchiveDefinition& archive = largeArchive();
  const StatusListKind& kind = unsentList();
  for (auto _ : state) {
    QStringList lines;
    ArchiveLines::collect(archive, kind.line,
                          [&](const TScheda& r) { return kind.condition.holdsFor(r); }, lines);
    if (lines.size() != kRecords) state.SkipWithError("wrong line count");
  }
}

void SearchFindingFew(benchmark::State& state) {
  const ArchiveDefinition& archive = largeArchive();
  const QList<SearchFilter::Filter> filters{{u"Destinatario"_s, u"rarissima"_s}};
  for (auto _ : state) {
    QStringList lines;
    ArchiveLines::collect(archive, ListLines::LineKind::Receipt,
                          [&](const TScheda& r) { return SearchFilter::selects(r, filters); },
                          lines);
    if (lines.size() != kRecords / 10000) state.SkipWithError("wrong line count");
  }
}

const ExportGridModel& filledGrid() {
  static ExportGridModel* grid = [] {
    largeArchive();
    auto* model = new ExportGridModel(acceptanceExport());
    model->fill();
    return model;
  }();
  return *grid;
}

QString spreadsheetPath() {
  return QFileInfo(LargeArchive::temporary(kRecords)).dir().filePath(u"export.xls"_s);
}

void GridFill(benchmark::State& state) {
  largeArchive();
  for (auto _ : state) {
    ExportGridModel grid(acceptanceExport());
    grid.fill();
    if (grid.rowCount() != kRecords) state.SkipWithError("wrong row count");
  }
}

// As the export screen writes it, without the screen.
void SpreadsheetFromGrid(benchmark::State& state) {
  const ExportGridModel& grid = filledGrid();
  for (auto _ : state) {
    QFile file(spreadsheetPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) state.SkipWithError("cannot write");
    SpreadsheetWriter writer(file);
    writer.writeStart(acceptanceExport().worksheetName, acceptanceExport().columns);
    for (int row = 0; row < grid.rowCount(); ++row) writer.writeRow(grid.exportedRow(row));
    writer.writeEnd();
  }
  state.counters["bytes"] = double(QFileInfo(spreadsheetPath()).size());
}

// As many bytes as the spreadsheet above, in large blocks.
void RawWrite(benchmark::State& state) {
  const qint64 size = QFileInfo(spreadsheetPath()).size();
  if (size == 0) state.SkipWithError("run SpreadsheetFromGrid first");
  const QByteArray block(1 << 20, 'x');
  for (auto _ : state) {
    QFile file(spreadsheetPath() + u".raw"_s);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) state.SkipWithError("cannot write");
    for (qint64 done = 0; done < size; done += block.size())
      file.write(block.constData(), qMin<qint64>(block.size(), size - done));
  }
}

}  // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(ArchiveScan)->Unit(benchmark::kMillisecond);
BENCHMARK(UnsentLines)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchFindingFew)->Unit(benchmark::kMillisecond);
BENCHMARK(GridFill)->Unit(benchmark::kMillisecond);
BENCHMARK(SpreadsheetFromGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(RawWrite)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
