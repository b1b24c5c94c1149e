// Scanning a large acceptance archive record by record, decoding the fields a
// list line shows, against reading the same file in large blocks: the scan
// should stay within a small factor of the raw read.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "archive/tarchivio.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

const int kRecords = 100000;

const QString& archivePath() {
  static QTemporaryDir dir;
  static const QString path = [] {
    const QString p = dir.filePath(u"Ricevute_Accettazione.pro"_s);
    QFile file(p);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(p));
    TSchedaAccettazione r;
    for (int i = 0; i < kRecords; ++i) {
      r.setText(u"Data", u"09/12/2026"_s);
      r.setText(u"Mittente", u"Studio Legale Bianchi & Associati %1"_s.arg(i));
      r.setText(u"Destinatario", u"Comune di Forlì, Ufficio Protocollo %1"_s.arg(i));
      r.setText(u"Contenuto", u"Diffida e messa in mora per il contratto n. %1"_s.arg(i));
      r.setFlag(u"Inviata", i % 3 == 0);
      file.write(r.bytes());
    }
    return p;
  }();
  return path;
}

void RawBlockRead(benchmark::State& state) {
  const QString path = archivePath();
  QByteArray block(1 << 20, '\0');
  for (auto _ : state) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    qint64 total = 0;
    qint64 n = 0;
    while ((n = file.read(block.data(), block.size())) > 0) total += n;
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * qint64(kRecords) * 3520);
}

void ScanWithListFields(benchmark::State& state) {
  const QString path = archivePath();
  const RecordLayout& layout = acceptanceLayout();
  const int data = layout.indexOf(u"Data");
  const int sender = layout.indexOf(u"Mittente");
  const int recipient = layout.indexOf(u"Destinatario");
  const int contents = layout.indexOf(u"Contenuto");
  const int sent = layout.indexOf(u"Inviata");
  for (auto _ : state) {
    TArchivio archive(acceptanceArchive(), path);
    archive.Open();
    TSchedaAccettazione r;
    qsizetype chars = 0;
    while (!archive.AtEnd()) {
      archive.ReadNext(r);
      if (r.flag(sent) == std::optional<bool>(false)) {
        chars += r.text(data).size() + r.text(sender).size() + r.text(recipient).size() +
                 r.text(contents).size();
      }
    }
    archive.Close();
    benchmark::DoNotOptimize(chars);
  }
  state.SetBytesProcessed(state.iterations() * qint64(kRecords) * 3520);
}

}  // namespace

BENCHMARK(RawBlockRead)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanWithListFields)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
