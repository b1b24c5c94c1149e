// The work behind the list and export screens on a large acceptance archive
// (100,000 records; add /1000000 to the filter for a million), each against
// a baseline measured the same way in the same run:
//
// - the lines of the list of letters not sent, a search that finds few and
//   the export grid against a raw read of the same archive file: in every
//   iteration the raw read runs right before the work, from the same warm
//   page cache, and the counter x_raw is the fastest of the work's times over
//   the fastest of the raw reads' (cpu_x_raw the same in processor time);
//   faults counts the page faults the work took (fresh memory, which under
//   virtualisation costs tens of microseconds a page);
// - the .xls export against a raw write of as many bytes (x_raw_write);
// - "Salva come" in each format against the .xls export of the same grid
//   (x_xls), with the process's peak memory during each (peak_MB,
//   mem_x_xls) and what it still holds afterwards (after_MB).
//
// A raw read measured once at the start and the work measured later, as
// this program first did, compares two moments of a shared machine: the
// other jobs, the writing-back of the freshly written archive, a cold or a
// warm cache all land on one side only. Paired, they cancel out.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <time.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "archive/tarchivio.h"
#include "core/programfolder.h"
#include "export/exportgridmodel.h"
#include "export/formats/sheetformats.h"
#include "export/gridsheet.h"
#include "export/spreadsheetwriter.h"
#include "largearchive.h"
#include "records/archivelines.h"
#include "records/linelist.h"
#include "records/listkinds.h"
#include "records/searchfilter.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

constexpr int kRecords = 100000;

// Time on the clock and processor time of the whole program, in seconds,
// and the page faults taken meanwhile (each takes fresh memory from the
// system, which under virtualisation costs tens of microseconds).
struct Times {
  double wall = 0;
  double cpu = 0;
  double faults = 0;
};

long minorFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

double cpuNow() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + now.tv_nsec / 1e9;
}

Times timed(const std::function<void()>& work) {
  QElapsedTimer wall;
  const long faults = minorFaults();
  const double cpu = cpuNow();
  wall.start();
  work();
  return {wall.nsecsElapsed() / 1e9, cpuNow() - cpu, double(minorFaults() - faults)};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double fastest(const std::vector<double>& values) {
  return *std::min_element(values.begin(), values.end());
}

// The records of the run's archive.
int records(const benchmark::State& state) { return int(state.range(0)); }

// The large archive, where the program looks for its archives.
const ArchiveDefinition& largeArchive(int count) {
  ProgramFolder::setOverride(QFileInfo(LargeArchive::temporary(count)).path());
  return acceptanceArchive();
}

QString besideArchive(int count, const QString& name) {
  return QFileInfo(LargeArchive::temporary(count)).dir().filePath(name);
}

// The whole file in blocks of a megabyte, as fast as the system gives it.
void rawRead(const QString& path) {
  static QByteArray block(1 << 20, '\0');
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
  qint64 total = 0;
  qint64 n = 0;
  while ((n = file.read(block.data(), block.size())) > 0) total += n;
  benchmark::DoNotOptimize(total);
}

// As many bytes as `size`, in blocks of a megabyte, replacing the file.
void rawWrite(const QString& path, qint64 size) {
  static const QByteArray block(1 << 20, 'x');
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write");
  for (qint64 done = 0; done < size; done += block.size())
    file.write(block.constData(), qMin<qint64>(block.size(), size - done));
}

// Each iteration runs the baseline, then the work; the work's time is the
// iteration's, and the counters give the ratio of the fastest of each.
void paired(benchmark::State& state, const std::function<void()>& baseline,
            const std::function<void()>& work, const char* ratio) {
  std::vector<double> baseWall, baseCpu, workWall, workCpu, workFaults;
  for (auto _ : state) {
    const Times base = timed(baseline);
    const Times done = timed(work);
    baseWall.push_back(base.wall);
    baseCpu.push_back(base.cpu);
    workWall.push_back(done.wall);
    workCpu.push_back(done.cpu);
    workFaults.push_back(done.faults);
    state.SetIterationTime(done.wall);
  }
  // The fastest of each: on a shared machine the other jobs only ever add
  // time, so the fastest runs are the ones they disturbed least.
  state.counters["base_ms"] = fastest(baseWall) * 1000;
  state.counters["faults"] = median(workFaults);
  state.counters[ratio] = fastest(workWall) / fastest(baseWall);
  state.counters[std::string("cpu_") + ratio] = fastest(workCpu) / fastest(baseCpu);
}

void pairedWithRawRead(benchmark::State& state, const std::function<void()>& work) {
  const QString archive = LargeArchive::temporary(records(state));
  paired(
      state, [&] { rawRead(archive); }, work, "x_raw");
}

// Every record read and nothing done with it: what the archive file alone
// costs the screens.
void ArchiveScan(benchmark::State& state) {
  const ArchiveDefinition& archive = largeArchive(records(state));
  pairedWithRawRead(state, [&] {
    TArchivio file(archive);
    file.Open();
    TScheda r(archive.layout);
    while (!file.AtEnd()) file.ReadNext(r);
  });
}

void UnsentLines(benchmark::State& state) {
  const ArchiveDefinition& archive = largeArchive(records(state));
  const StatusListKind& kind = unsentList();
  pairedWithRawRead(state, [&] {
    LineList lines;
    ArchiveLines::collect(
        archive, kind.line, [&](const TScheda& r) { return kind.condition.holdsFor(r); }, lines);
    if (lines.size() != records(state)) qFatal("wrong line count");
  });
}

void SearchFindingFew(benchmark::State& state) {
  const ArchiveDefinition& archive = largeArchive(records(state));
  const QList<SearchFilter::Filter> filters{{u"Destinatario"_s, u"rarissima"_s}};
  pairedWithRawRead(state, [&] {
    LineList lines;
    const SearchFilter::Matcher matcher(archive.layout, filters);
    ArchiveLines::collect(
        archive, ListLines::LineKind::Receipt, [&](const TScheda& r) { return matcher.selects(r); },
        lines);
    if (lines.size() != records(state) / 10000) qFatal("wrong line count");
  });
}

void GridFill(benchmark::State& state) {
  largeArchive(records(state));
  pairedWithRawRead(state, [&] {
    ExportGridModel grid(acceptanceExport());
    grid.fill();
    if (grid.rowCount() != records(state)) qFatal("wrong row count");
  });
}

// The grid of the run's archive, filled once for the exports.
const ExportGridModel& filledGrid(int count) {
  static std::map<int, ExportGridModel*> grids;
  ExportGridModel*& grid = grids[count];
  if (!grid) {
    largeArchive(count);
    grid = new ExportGridModel(acceptanceExport());
    grid->fill();
  }
  return *grid;
}

// The .xls export as the export screen writes it, without the screen.
void exportSpreadsheet(const ExportGridModel& grid, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write");
  SpreadsheetWriter writer(file);
  writer.writeStart(acceptanceExport().worksheetName, acceptanceExport().columns);
  for (int row = 0; row < grid.rowCount(); ++row) writer.writeRow(grid.exportedRow(row));
  writer.writeEnd();
}

void SpreadsheetExport(benchmark::State& state) {
  const ExportGridModel& grid = filledGrid(records(state));
  const QString path = besideArchive(records(state), u"export.xls"_s);
  exportSpreadsheet(grid, path);
  const qint64 size = QFileInfo(path).size();
  paired(
      state, [&] { rawWrite(path + u".raw"_s, size); }, [&] { exportSpreadsheet(grid, path); },
      "x_raw_write");
  state.counters["file_MB"] = size / 1e6;
}

// The process's memory, from the system's own account, in MB.
double statusMegabytes(const char* key) {
  QFile status(u"/proc/self/status"_s);
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(key))
      return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toDouble() / 1024;
  return -1;
}

struct Memory {
  double peak = 0;   // the highest resident size while the work ran
  double after = 0;  // what it still held once done
};

// Runs the work with the peak of the resident size started afresh from
// what the process holds now (the grid, above all).
Memory measuredMemory(const std::function<void()>& work) {
  malloc_trim(0);
  QFile reset(u"/proc/self/clear_refs"_s);
  if (!reset.open(QIODevice::WriteOnly) || reset.write("5") != 1) qFatal("cannot reset the peak");
  reset.close();
  work();
  return {statusMegabytes("VmHWM:"), statusMegabytes("VmRSS:")};
}

// "Salva come" in a format, with the .xls export of the same grid as the
// baseline, in time and in peak memory.
void SaveAs(benchmark::State& state, const QString& extension) {
  const ExportGridModel& grid = filledGrid(records(state));
  const SheetFormat& format = *SheetFormats::forPath(u"x."_s + extension);
  const QString xls = besideArchive(records(state), u"export.xls"_s);
  const QString saved = besideArchive(records(state), u"salvato."_s + extension);
  const SheetContent sheet = gridSheet(grid, acceptanceExport());
  const auto exportXls = [&] { exportSpreadsheet(grid, xls); };
  const auto save = [&] { SheetFormats::save(format, sheet, saved); };
  const Memory xlsMemory = measuredMemory(exportXls);
  const Memory saveMemory = measuredMemory(save);
  paired(state, exportXls, save, "x_xls");
  state.counters["xls_peak_MB"] = xlsMemory.peak;
  state.counters["peak_MB"] = saveMemory.peak;
  state.counters["mem_x_xls"] = saveMemory.peak / xlsMemory.peak;
  state.counters["after_MB"] = saveMemory.after;
  state.counters["file_MB"] = QFileInfo(saved).size() / 1e6;
}

void SaveAsOds(benchmark::State& state) { SaveAs(state, u"ods"_s); }
void SaveAsXlsx(benchmark::State& state) { SaveAs(state, u"xlsx"_s); }
void SaveAsCsv(benchmark::State& state) { SaveAs(state, u"csv"_s); }

void sizes(benchmark::internal::Benchmark* b) {
  b->Arg(kRecords)->Arg(10 * kRecords)->UseManualTime()->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(ArchiveScan)->Apply(sizes)->Iterations(7);
BENCHMARK(UnsentLines)->Apply(sizes)->Iterations(7);
BENCHMARK(SearchFindingFew)->Apply(sizes)->Iterations(7);
BENCHMARK(GridFill)->Apply(sizes)->Iterations(7);
BENCHMARK(SpreadsheetExport)->Apply(sizes)->Iterations(5);
BENCHMARK(SaveAsOds)->Apply(sizes)->Iterations(3);
BENCHMARK(SaveAsXlsx)->Apply(sizes)->Iterations(3);
BENCHMARK(SaveAsCsv)->Apply(sizes)->Iterations(3);

// Without a filter, the runs at 100,000 records only: a million takes
// gigabytes of disk and minutes.
int main(int argc, char** argv) {
  std::vector<char*> args(argv, argv + argc);
  const bool filtered = std::any_of(args.begin(), args.end(), [](const char* a) {
    return QByteArray(a).startsWith("--benchmark_filter");
  });
  std::string onlyDefault = "--benchmark_filter=/" + std::to_string(kRecords) + "/";
  if (!filtered) args.push_back(onlyDefault.data());
  int count = int(args.size());
  benchmark::Initialize(&count, args.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
