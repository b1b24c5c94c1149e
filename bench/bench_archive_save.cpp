// What the archive lock costs a Save: one address-book card appended as the
// editor's Save does (Open, Append, Close), against the same append through
// a plain file with no lock, as a save was made before the lock; then with a
// second station (a process of its own) saving in a loop on the same file.
// Each iteration is one save; the counters give the median and the 90th and
// 99th percentiles of the single saves. Run it with TMPDIR=/dev/shm as well
// to tell the lock's own cost from the disk's (the lock file is synced when
// it is made).
//
//   bench_archive_save                        runs the benchmarks
//   bench_archive_save --other-station FILE   saves into FILE until its
//                                             input closes (started by the
//                                             benchmark itself)
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include <poll.h>

#include "archive/tarchivio.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

const QString kFile = u"Anagrafica.pro"_s;

TSchedaAnagrafica card(int n) {
  TSchedaAnagrafica c;
  c.setText(u"Nome", u"Cliente %1"_s.arg(n));
  c.setText(u"Indirizzo", u"Via Roma %1"_s.arg(n));
  return c;
}

void lockedSave(const QString& path, int n) {
  TArchivio archive(addressBookArchive(), path);
  archive.Open();
  archive.Append(card(n));
  archive.Close();
}

// A save as it was made before there was a lock.
void unlockedSave(const QString& path, int n) {
  QFile file(path);
  file.open(QIODevice::ReadWrite);
  const QByteArray bytes = card(n).bytes();
  file.seek(file.size() / bytes.size() * bytes.size());
  file.write(bytes);
  file.close();
}

// Times every save and reports the median and the 90th and 99th percentiles.
template <typename Save>
void timeSaves(benchmark::State& state, Save save) {
  std::vector<double> ms;
  int n = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    save(++n);
    ms.push_back(clock.nsecsElapsed() / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["p90_ms"] = ms[ms.size() * 9 / 10];
  state.counters["p99_ms"] = ms[ms.size() * 99 / 100];
}

void UnlockedSave(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(kFile);
  timeSaves(state, [&](int n) { unlockedSave(path, n); });
}

void SaveAlone(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(kFile);
  timeSaves(state, [&](int n) { lockedSave(path, n); });
}

void SaveWhileAnotherStationSaves(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(kFile);
  QProcess other;
  other.start(QCoreApplication::applicationFilePath(), {u"--other-station"_s, path});
  if (!other.waitForReadyRead(30000)) {
    state.SkipWithError("the other station did not start");
    return;
  }
  timeSaves(state, [&](int n) { lockedSave(path, n); });
  other.closeWriteChannel();
  other.waitForFinished();
}

// The second station: saves in a loop until its input closes.
int otherStation(const QString& path) {
  pollfd input{0, POLLIN, 0};
  for (int n = 1; ::poll(&input, 1, 0) == 0; ++n) {
    lockedSave(path, n);
    if (n == 1) {
      std::puts("saving");
      std::fflush(stdout);
    }
  }
  return 0;
}

}  // namespace

BENCHMARK(UnlockedSave)->Unit(benchmark::kMillisecond)->Iterations(1000);
BENCHMARK(SaveAlone)->Unit(benchmark::kMillisecond)->Iterations(1000);
BENCHMARK(SaveWhileAnotherStationSaves)->Unit(benchmark::kMillisecond)->Iterations(1000);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc == 3 && QByteArray(argv[1]) == "--other-station")
    return otherStation(QString::fromLocal8Bit(argv[2]));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
