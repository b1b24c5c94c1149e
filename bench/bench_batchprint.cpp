// "Stampa moduli" on a status list of 10,000 and 100,000 letters: the time
// and the memory the batch print takes to paint every form into its PDF
// document, against painting as many copies of one prepared form the same
// way in the same run (the baseline: painting alone). The batch as printed
// now, each page made as it prints, is measured beside the batch with
// every page made first, as it was printed before.
//
//   cmake --build build --target bench_batchprint && build/bench/bench_batchprint
//
// Counters: cpu_s the processor time of the batch, baseline_cpu_s that of
// the baseline measured just before it in the same iteration, x_baseline
// their ratio; peak_MB the growth of the process's peak resident memory
// during the batch (Linux: run one benchmark per process, so that no run
// reuses memory an earlier one freed):
//
//   build/bench/bench_batchprint --benchmark_filter=PagesAsTheyPrint/100000/
#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIODevice>
#include <ctime>
#include <map>

#include "archive/tarchivio.h"
#include "core/programfolder.h"
#include "largearchive.h"
#include "printjobs/formbatch.h"
#include "records/listkinds.h"
#include "records/listlines.h"
#include "report/pdffile.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

// Takes the document and keeps nothing of it, as a spooler's socket would.
class Nowhere : public QIODevice {
 public:
  Nowhere() { open(QIODevice::WriteOnly); }
  bool isSequential() const override { return true; }
  qint64 written = 0;

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char*, qint64 size) override {
    written += size;
    return size;
  }
};

// The status list's lines, as the list screen holds them.
QStringList unsentLines(int records) {
  ProgramFolder::setOverride(QFileInfo(LargeArchive::temporary(records)).path());
  const StatusListKind& list = unsentList();
  QStringList lines;
  TArchivio archive(list.archive());
  archive.Open();
  TScheda record(list.archive().layout);
  while (!archive.AtEnd()) {
    archive.ReadNext(record);
    if (list.condition.holdsFor(record)) lines << ListLines::lineOf(record, list.line);
  }
  return lines;
}

const QStringList& linesFor(int records) {
  static std::map<int, QStringList> cache;
  auto found = cache.find(records);
  if (found == cache.end()) found = cache.emplace(records, unsentLines(records)).first;
  ProgramFolder::setOverride(QFileInfo(LargeArchive::temporary(records)).path());
  return found->second;
}

// Peak resident memory, in kB, since the last reset.
qint64 peakKb() {
  QFile status(u"/proc/self/status"_s);
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLongLong();
  return 0;
}

qint64 residentKb() {
  QFile status(u"/proc/self/status"_s);
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLongLong();
  return 0;
}

void resetPeak() {
  QFile clear(u"/proc/self/clear_refs"_s);
  if (clear.open(QIODevice::WriteOnly)) clear.write("5");
}

// Processor time of this process: the work itself, whatever else the
// machine is doing.
double cpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Fonts and the PDF writer made ready once, so that no benchmark pays for
// them.
void warmUp(const FormBatch& batch) {
  static bool done = false;
  if (done) return;
  done = true;
  FormPages first(batch, {1}, SideOrder::EachInTurn);
  Nowhere out;
  PdfFile::writeTo(out, first, u"Prova"_s);
}

// One prepared form painted as many times as the batch has forms: the
// painting alone, the baseline.
void paintCopies(const FormBatch& batch, int count, QIODevice& out) {
  FormPages first(batch, {1}, SideOrder::EachInTurn);
  class Copies : public PageSource {
   public:
    Copies(Page page, int count) : page_(std::move(page)), count_(count) {}
    int count() const override { return count_; }
    Page page(int) override { return page_; }

   private:
    Page page_;
    int count_;
  } copies(first.page(0), count);
  PdfFile::writeTo(out, copies, u"Ricevute di accettazione"_s);
}

// The baseline and then the batch, one right after the other in each
// iteration, so that both meet the machine in the same state.
template <typename Print>
void measure(benchmark::State& state, Print print) {
  const int records = int(state.range(0));
  const QStringList& lines = linesFor(records);
  const FormBatch& batch = *FormBatches::forList(unsentList());
  warmUp(batch);
  double baseline = 0;
  double seconds = 0;
  qint64 peak = 0;
  for (auto _ : state) {
    {
      const double start = cpuSeconds();
      Nowhere out;
      paintCopies(batch, records, out);
      baseline += cpuSeconds() - start;
    }
    const qint64 before = residentKb();
    resetPeak();
    const double start = cpuSeconds();
    Nowhere out;
    print(batch, lines, out);
    seconds += cpuSeconds() - start;
    peak = std::max(peak, peakKb() - before);
    benchmark::DoNotOptimize(out.written);
  }
  state.counters["forms"] = records;
  state.counters["cpu_s"] = seconds / double(state.iterations());
  state.counters["baseline_cpu_s"] = baseline / double(state.iterations());
  state.counters["x_baseline"] = seconds / baseline;
  state.counters["peak_MB"] = double(peak) / 1024.0;
}

// The batch as "Stampa moduli" prints it: each page made as it prints.
void PagesAsTheyPrint(benchmark::State& state) {
  measure(state, [](const FormBatch& batch, const QStringList& lines, QIODevice& out) {
    FormPages pages(batch, FormBatches::positions(batch, lines, {}), SideOrder::EachInTurn);
    PdfFile::writeTo(out, pages, u"Ricevute di accettazione"_s);
  });
}

// The batch as it was printed before: every record read and every page made
// first, then painted.
void AllPagesFirst(benchmark::State& state) {
  measure(state, [](const FormBatch& batch, const QStringList& lines, QIODevice& out) {
    const std::vector<Page> pages =
        FormBatches::pages(batch, FormBatches::records(batch, lines, {}), SideOrder::EachInTurn);
    PageList list(pages);
    PdfFile::writeTo(out, list, u"Ricevute di accettazione"_s);
  });
}

}  // namespace

BENCHMARK(PagesAsTheyPrint)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(AllPagesFirst)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
