// The contact import on the files that used to freeze it, each against a
// raw read of the same bytes in the same run (the same pieces, from the
// page cache, as the import reads them): a long list of 100,000 contacts
// (read, counted, and a change of the mapping as the screen does it), an
// Outlook export of 100,000 mostly empty rows, a row of a million values,
// a file at the limit of columns and a header of one repeated name.
//
// Counters: "x_raw" is the benchmark's processor time per iteration over
// the raw read's; "peak_B_per_B" the peak memory the work added, per byte of
// the file.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <ctime>

#include "contactimport/addressbookimport.h"
#include "contactimport/cardpreviewmodel.h"
#include "contactimport/columnmappingmodel.h"
#include "contactimport/contactfile.h"
#include "contactimport/csvreader.h"
#include "contactimport/tfrmimportacontatti.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

const int kContacts = 100000;

QString folder() {
  static QTemporaryDir dir;
  return dir.path();
}

QString write(const QString& name, const std::function<void(QFile&)>& fill) {
  const QString path = folder() + u'/' + name;
  if (!QFile::exists(path)) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    fill(file);
  }
  return path;
}

// An office's list as Excel saves it: eleven columns, every one filled.
QString contactList() {
  return write(u"contatti.csv"_s, [](QFile& file) {
    const char* first[] = {"Mario", "Anna", "Luca", "Giulia", "Paolo", "Sara", "Niccolò"};
    const char* streets[] = {"Via Roma", "Via Garibaldi", "Corso Italia", "Piazza Duomo"};
    const char* towns[] = {"Roma;RM;00184", "Milano;MI;20121", "Torino;TO;10123", "Forlì;FC;47121"};
    file.write(
        "Nome;Cognome;Indirizzo;Città;Provincia;CAP;Telefono;Cellulare;E-mail;"
        "Codice fiscale;Note\r\n");
    for (int i = 0; i < kContacts; ++i) {
      file.write(QByteArray(first[i % 7]) + ";Rossi " + QByteArray::number(i) + ";" +
                 streets[i % 4] + ", " + QByteArray::number(i % 200 + 1) + ";" + towns[i % 4] +
                 ";06 " + QByteArray::number(1000000 + i) + ";333 " +
                 QByteArray::number(2000000 + i) + ";c" + QByteArray::number(i) +
                 "@example.it;RSSMRA80A01" + QByteArray::number(i).rightJustified(5, '0') +
                 ";cliente dal " + QByteArray::number(1990 + i % 30) + "\r\n");
    }
  });
}

// Outlook's export: 92 columns, a few filled.
QString outlookExport() {
  return write(u"outlook.csv"_s, [](QFile& file) {
    QByteArray header =
        "First Name,Last Name,Home Street,Home City,Home State,Home Postal Code,"
        "Home Country/Region,Mobile Phone,E-mail Address,Birthday,Gender";
    for (int c = 11; c < 92; ++c) header += ",User " + QByteArray::number(c);
    file.write(header + "\r\n");
    const QByteArray empty(92 - 11, ',');
    for (int i = 0; i < kContacts; ++i) {
      file.write("Mario,Rossi " + QByteArray::number(i) + ",Via Roma " +
                 QByteArray::number(i % 300) + ",Roma,RM,00184,Italia,333 " +
                 QByteArray::number(1000000 + i) + ",m" + QByteArray::number(i) +
                 "@example.it,0/0/00,Unspecified" + empty + "\r\n");
    }
  });
}

QString millionColumns() {
  return write(u"largo.csv"_s, [](QFile& file) {
    file.write("Nome,Tel\n");
    QByteArray row;
    for (int c = 0; c < 1000000; ++c) row += (c ? "," : "") + QByteArray::number(c % 1000);
    file.write(row + "\n");
  });
}

// As wide as a contact file may be, and a header of one name repeated.
QString widestAccepted(bool repeated) {
  return write(repeated ? u"ripetuto.csv"_s : u"limite.csv"_s, [repeated](QFile& file) {
    QByteArrayList names;
    for (int c = 0; c < CsvReader::kMostColumns; ++c)
      names.append(repeated ? QByteArray("Nome") : "Colonna di prova " + QByteArray::number(c));
    file.write(names.join(';') + "\n");
    for (int r = 0; r < 2000; ++r) {
      QByteArrayList values;
      for (int c = 0; c < CsvReader::kMostColumns; ++c)
        values.append("v" + QByteArray::number(r * 7 + c));
      file.write(values.join(';') + "\n");
    }
  });
}

qint64 kilobytes(const char* field) {
  QFile status(u"/proc/self/status"_s);
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith(field))
      return line.mid(qstrlen(field)).trimmed().split(' ')[0].toLongLong();
  }
  return 0;
}

// The peak memory of the work from here on: the memory freed by earlier
// work goes back to the system, and Linux sets the high-water mark back to
// the memory in use now.
qint64 startPeak() {
  malloc_trim(0);
  QFile reset(u"/proc/self/clear_refs"_s);
  if (reset.open(QIODevice::WriteOnly)) reset.write("5");
  return kilobytes("VmRSS:");
}

double peakPerByte(qint64 startKb, const QString& path) {
  return double(kilobytes("VmHWM:") - startKb) * 1024.0 / double(QFile(path).size());
}

// The processor time this thread has used, kernel's included: both the
// work and its baseline are measured by it, so that other programs running
// on the machine change neither.
double threadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Reading the file as the import reads it, pieces of 256 KB from the page
// cache, doing nothing with them: the mean of many reads, as one read so
// short is easily disturbed.
double rawReadSeconds(const QString& path) {
  QByteArray piece(256 * 1024, Qt::Uninitialized);
  constexpr int kReads = 20;
  const double start = threadSeconds();
  for (int run = 0; run < kReads; ++run) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
    qint64 total = 0;
    for (qint64 n; (n = file.read(piece.data(), piece.size())) > 0;) total += n;
    benchmark::DoNotOptimize(total);
  }
  return (threadSeconds() - start) / kReads;
}

// Times the iterations against a raw read of `path`, both in processor
// time; the raw read is measured before and after the work, which thus
// meets the same state of the machine.
class AgainstRawRead {
 public:
  explicit AgainstRawRead(const QString& path) : path_(path), before_(rawReadSeconds(path)) {
    start_ = threadSeconds();
  }
  void report(benchmark::State& state) const {
    const double each = (threadSeconds() - start_) / double(state.iterations());
    const double raw = (before_ + rawReadSeconds(path_)) / 2;
    state.counters["x_raw"] = each / raw;
    state.counters["raw_ms"] = raw * 1000;
  }

 private:
  QString path_;
  double before_;
  double start_;
};

void RawRead(benchmark::State& state) {
  const QString path = contactList();
  for (auto _ : state) benchmark::DoNotOptimize(rawReadSeconds(path));
}

void LoadContacts(benchmark::State& state, const QString& path) {
  AgainstRawRead against(path);
  double peak = 0;
  for (auto _ : state) {
    const qint64 start = startPeak();
    const ContactTable table = ContactFile::read(path);
    if (table.rows.size() != kContacts) state.SkipWithError("wrong contact count");
    peak = qMax(peak, peakPerByte(start, path));
  }
  against.report(state);
  state.counters["peak_B_per_B"] = peak;
}

void LoadList(benchmark::State& state) { LoadContacts(state, contactList()); }
void LoadOutlookExport(benchmark::State& state) { LoadContacts(state, outlookExport()); }

// The counts the screen makes after a file is read or its mapping changed,
// all of them, as its background stretches do.
void CountList(benchmark::State& state) {
  const QString path = contactList();
  const ContactTable table = ContactFile::read(path);
  const ColumnMapping mapping = proposeMapping(table.names);
  AgainstRawRead against(path);
  for (auto _ : state) {
    const ImportCounts counts = AddressBookImport(table, mapping).survey(KnownCards());
    if (counts.imported != kContacts) state.SkipWithError("wrong count");
  }
  against.report(state);
}

// What the screen holds once a file is shown: the contacts, their counts
// made to the end, and the preview's first screenful.
void LoadAndCount(benchmark::State& state) {
  const QString path = contactList();
  AgainstRawRead against(path);
  double peak = 0;
  for (auto _ : state) {
    const qint64 start = startPeak();
    const ContactTable table = ContactFile::read(path);
    ColumnMappingModel grid;
    grid.reset(&table, proposeMapping(table.names));
    CardPreviewModel preview;
    preview.reset(&table, grid.mapping(), false);
    for (int row = 0; row < 30; ++row) benchmark::DoNotOptimize(preview.index(row, 2).data());
    ImportWalk walk(table, grid.mapping(), KnownCards(), {});
    while (walk.advance(TfrmImportaContatti::kSurveyStretch)) {
    }
    if (walk.counts().imported != kContacts) state.SkipWithError("wrong count");
    peak = qMax(peak, peakPerByte(start, path));
  }
  against.report(state);
  state.counters["peak_B_per_B"] = peak;
}

// What a change of the mapping costs before the screen answers again: the
// grid's model, the preview's rows on screen and the first stretch of the
// counts.
void MappingChange(benchmark::State& state) {
  const QString path = contactList();
  const ContactTable table = ContactFile::read(path);
  ColumnMappingModel grid;
  grid.reset(&table, proposeMapping(table.names));
  CardPreviewModel preview;
  AgainstRawRead against(path);
  int flip = 0;
  for (auto _ : state) {
    grid.setData(grid.index(6, ColumnMappingModel::kTarget), (++flip % 2) ? u""_s : u"Tel"_s,
                 Qt::EditRole);
    preview.reset(&table, grid.mapping(), false);
    for (int row = 0; row < 30; ++row) {
      for (int column = 0; column < preview.columnCount(); ++column)
        benchmark::DoNotOptimize(preview.index(row, column).data());
    }
    ImportWalk walk(table, grid.mapping(), KnownCards(), {});
    walk.advance(TfrmImportaContatti::kSurveyStretch);
  }
  against.report(state);
}

void RefuseMillionColumns(benchmark::State& state) {
  const QString path = millionColumns();
  AgainstRawRead against(path);
  for (auto _ : state) {
    try {
      ContactFile::read(path);
      state.SkipWithError("a million columns were read");
    } catch (const ContactFileError&) {
    }
  }
  against.report(state);
}

// The whole way to the grid: the file read, the mapping proposed and the
// grid's model filled.
void ToTheGrid(benchmark::State& state, bool repeated) {
  const QString path = widestAccepted(repeated);
  AgainstRawRead against(path);
  for (auto _ : state) {
    const ContactTable table = ContactFile::read(path);
    ColumnMappingModel grid;
    grid.reset(&table, proposeMapping(table.names));
    if (grid.rowCount() != CsvReader::kMostColumns) state.SkipWithError("wrong column count");
  }
  against.report(state);
}

void WidestAccepted(benchmark::State& state) { ToTheGrid(state, false); }
void RepeatedHeader(benchmark::State& state) { ToTheGrid(state, true); }

// Naming 50,000 equal headers against naming 50,000 different ones: the
// renaming grows with their number, not its square.
void ColumnNames(benchmark::State& state) {
  const bool repeated = state.range(0) != 0;
  QStringList header;
  for (int c = 0; c < 50000; ++c) header.append(repeated ? u"Nome"_s : u"Nome %1"_s.arg(c));
  for (auto _ : state) benchmark::DoNotOptimize(Csv::columnNames(header));
}

}  // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadList)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadOutlookExport)->Unit(benchmark::kMillisecond);
BENCHMARK(CountList)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadAndCount)->Unit(benchmark::kMillisecond);
BENCHMARK(MappingChange)->Unit(benchmark::kMillisecond);
BENCHMARK(RefuseMillionColumns)->Unit(benchmark::kMillisecond);
BENCHMARK(WidestAccepted)->Unit(benchmark::kMillisecond);
BENCHMARK(RepeatedHeader)->Unit(benchmark::kMillisecond);
BENCHMARK(ColumnNames)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
