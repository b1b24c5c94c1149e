// A second desk working on the same program folder, run by the tests as a
// process of its own:
//
//   velinda_other_station hold <archive> [milliseconds]
//       opens the archive and keeps it open until its input closes (or for
//       the given time); prints "held" once it holds it.
//   velinda_other_station append <address book> <count> <tag>
//       saves <count> cards as the address book's Save does (Open, Append,
//       Close), each named "<tag>-<n>" in its first and last field; prints
//       "<number> <name> <microseconds the save took>" for every save.
//   velinda_other_station scan <address book>
//       reads the address book from first to last card, again and again
//       until its input closes; prints "<scans> <torn>", the cards whose
//       first and last field disagree counted as torn.
//
//   velinda_other_station settings <ini file> <section> <count>
//       saves <count> times the key "Superiore" of <section> in the settings
//       file, as the print screens save offsets (1, 2, ... <count>); prints
//       "<n>" for every save.
//   velinda_other_station readsettings <ini file> <section> <key> <value>
//       reads the key over and over until its input closes; prints
//       "<reads> <wrong>", the reads that did not give <value> counted as
//       wrong.
//   velinda_other_station peek <file> [milliseconds]
//       opens the file for reading and keeps it open until its input closes
//       (or for the given time), as a desk judging a lock file would; prints
//       "peeking" once the file is open.
//
// "append", "scan", "settings" and "readsettings" print "ready" and start when they read a line
// "go", so that several stations can be started at the same moment.
//
// Any archive or settings failure ends it with exit code 1 and the failure on stderr.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

#include "archive/archiveerror.h"
#include "archive/tarchivio.h"
#include "core/inifile.h"

using namespace velinda;

using namespace Qt::StringLiterals;

namespace {

const ArchiveDefinition& definitionOf(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  for (const ArchiveDefinition* archive :
       {&acceptanceArchive(), &returnReceiptArchive(), &addressBookArchive()}) {
    if (archive->fileName == name) return *archive;
  }
  return addressBookArchive();
}

#ifdef Q_OS_WIN
// The test's end of the input is a pipe: a waiting byte or a closed pipe
// both tell this process to stop. Windows cannot wait on a pipe for input,
// so it is looked at every few milliseconds.
bool toldToStop(int timeoutMs = 0) {
  const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
  const QDeadlineTimer deadline(timeoutMs);  // forever when negative, as poll() takes it
  for (;;) {
    DWORD waiting = 0;
    if (::PeekNamedPipe(input, nullptr, 0, nullptr, &waiting, nullptr)) {
      if (waiting > 0) return true;
    } else if (::GetLastError() == ERROR_BROKEN_PIPE) {
      return true;
    }
    if (deadline.hasExpired()) return false;
    QThread::msleep(5);
  }
}

bool readByte(char& c) {
  DWORD read = 0;
  return ::ReadFile(::GetStdHandle(STD_INPUT_HANDLE), &c, 1, &read, nullptr) && read == 1;
}
#else
// True once the test has closed this process's input (or written to it).
bool toldToStop(int timeoutMs = 0) {
  pollfd input{0, POLLIN, 0};
  return ::poll(&input, 1, timeoutMs) > 0;
}

bool readByte(char& c) { return ::read(0, &c, 1) == 1; }
#endif

void say(const QString& line) {
  std::fputs(qPrintable(line + u'\n'), stdout);
  std::fflush(stdout);
}

// Reads the input up to the end of the line "go", byte by byte, so that
// nothing after it is taken from the input before toldToStop() looks.
void awaitStart() {
  say(u"ready"_s);
  char c = 0;
  while (readByte(c) && c != '\n') {
  }
}

void hold(const QString& path, int milliseconds) {
  TArchivio archive(definitionOf(path), path);
  archive.Open();
  say(u"held"_s);
  toldToStop(milliseconds);
  archive.Close();
}

void append(const QString& path, int count, const QString& tag) {
  awaitStart();
  TSchedaAnagrafica card;
  for (int n = 1; n <= count; ++n) {
    const QString name = u"%1-%2"_s.arg(tag).arg(n, 4, 10, QChar(u'0'));
    card.setText(u"Nome", name);
    card.setText(u"Note", name);
    QElapsedTimer clock;
    clock.start();
    TArchivio archive(addressBookArchive(), path);
    archive.Open();
    archive.Append(card);
    const int position = archive.Position();
    archive.Close();
    say(u"%1 %2 %3"_s.arg(position).arg(name).arg(clock.nsecsElapsed() / 1000));
  }
}

void scan(const QString& path) {
  int scans = 0;
  int torn = 0;
  TSchedaAnagrafica card;
  awaitStart();
  while (!toldToStop()) {
    TArchivio archive(addressBookArchive(), path);
    archive.Open();
    while (!archive.AtEnd()) {
      archive.ReadNext(card);
      if (card.text(u"Nome").isEmpty() || card.text(u"Nome") != card.text(u"Note")) ++torn;
    }
    archive.Close();
    ++scans;
  }
  say(u"%1 %2"_s.arg(scans).arg(torn));
}

void saveSettings(const QString& path, const QString& section, int count) {
  awaitStart();
  for (int n = 1; n <= count; ++n) {
    IniFile::update(
        path, [&](IniFile& ini) { ini.setValue(section, u"Superiore"_s, QString::number(n)); });
    say(QString::number(n));
  }
}

void readSettings(const QString& path, const QString& section, const QString& key,
                  const QString& value) {
  int reads = 0;
  int wrong = 0;
  awaitStart();
  while (!toldToStop()) {
    if (IniFile::load(path).value(section, key) != value) ++wrong;
    ++reads;
  }
  say(u"%1 %2"_s.arg(reads).arg(wrong));
}

void peek(const QString& path, int milliseconds) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw ArchiveError(path + u": cannot be opened"_s);
  say(u"peeking"_s);
  toldToStop(milliseconds);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  const QString mode = args.value(1);
  const QString path = args.value(2);
  try {
    // clang-format off
    if (mode == u"hold") hold(path, args.size() > 3 ? args[3].toInt() : -1);
    else if (mode == u"append") append(path, args.value(3).toInt(), args.value(4));
    else if (mode == u"scan") scan(path);
    else if (mode == u"settings") saveSettings(path, args.value(3), args.value(4).toInt());
    else if (mode == u"readsettings") readSettings(path, args.value(3), args.value(4), args.value(5));
    else if (mode == u"peek") peek(path, args.size() > 3 ? args[3].toInt() : -1);
    else return 2;
    // clang-format on
  } catch (const UserError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
