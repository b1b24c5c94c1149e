#include "archive/archivelock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <QThread>
#include <map>
#include <memory>

#include "archive/archiveerror.h"

using namespace Qt::StringLiterals;

namespace {

// A lock file this process holds, shared by every open archive of the
// process over the same file.
struct Holding {
  std::unique_ptr<QLockFile> file;
  int users = 0;
  QElapsedTimer sinceKeptAlive;
};

// How another station's lock file last looked to this process, and since
// when it has looked so.
struct Sighting {
  QByteArray look;
  QElapsedTimer since;
};

std::map<QString, Holding>& holdings() {
  static std::map<QString, Holding> all;
  return all;
}

std::map<QString, Sighting>& sightings() {
  static std::map<QString, Sighting> all;
  return all;
}

ArchiveLock::Timing& timingSetting() {
  static ArchiveLock::Timing timing;
  return timing;
}

std::function<void(bool)>& installedIndicator() {
  static std::function<void(bool)> indicator;
  return indicator;
}

// Tells the indicator about a wait once it has begun, and about its end
// however the wait ends.
class WaitShown {
 public:
  void begin() {
    if (shown_ || !installedIndicator()) return;
    shown_ = true;
    installedIndicator()(true);
  }
  ~WaitShown() {
    if (shown_ && installedIndicator()) installedIndicator()(false);
  }

 private:
  bool shown_ = false;
};

// The lock file's content and modification time. Opening the file, rather
// than asking for its attributes, makes a network client ask the server
// afresh instead of answering from its cache.
QByteArray lookOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
  return file.readAll() + '@' + QByteArray::number(modified.toMSecsSinceEpoch());
}

// True once the lock file has looked the same for the abandon period: its
// holder has stopped renewing it.
bool looksAbandoned(const QString& path) {
  const QByteArray look = lookOf(path);
  Sighting& sighting = sightings()[path];
  if (look.isEmpty() || look != sighting.look) {
    sighting.look = look;
    sighting.since.start();
    return false;
  }
  return sighting.since.elapsed() >= ArchiveLock::timing().abandonedAfter.count();
}

// A pause between two tries: short at first, since actions hold an archive
// for milliseconds, then longer, so that a long wait does not keep a file
// server busy; of varying length, so that two waiting stations do not try
// again in step.
void pause(int tries, const QDeadlineTimer& deadline) {
  const int longest = 1 << qMin(tries, 5);  // 2 to 32 ms
  const qint64 wanted = QRandomGenerator::global()->bounded(longest / 2, longest) + 1;
  QThread::msleep(qMax<qint64>(1, qMin(wanted, deadline.remainingTime())));
}

std::unique_ptr<QLockFile> takeLockFile(const QString& path) {
  auto file = std::make_unique<QLockFile>(path);
  // Age is judged by looksAbandoned() on this station's own clock, never by
  // comparing the file's time with it.
  file->setStaleLockTime(0);
  const QDeadlineTimer deadline(ArchiveLock::timing().waitLimit);
  WaitShown wait;
  for (int tries = 1;; ++tries) {
    if (file->tryLock(0)) {
      sightings().erase(path);
      return file;
    }
    if (file->error() != QLockFile::LockFailedError)
      throw ArchiveError(path + u": the lock file cannot be created"_s);
    if (looksAbandoned(path) && file->removeStaleLockFile()) continue;
    if (deadline.hasExpired()) throw ArchiveBusy(path);
    wait.begin();
    pause(tries, deadline);
  }
}

}  // namespace

ArchiveLock::ArchiveLock(const QString& archivePath) : path_(lockFilePath(archivePath)) {}

ArchiveLock::~ArchiveLock() { release(); }

QString ArchiveLock::lockFilePath(const QString& archivePath) {
  return QDir::cleanPath(QDir::current().absoluteFilePath(archivePath)) + u".lock"_s;
}

void ArchiveLock::acquire() {
  if (held_) return;
  Holding& holding = holdings()[path_];
  if (holding.users == 0) {
    try {
      holding.file = takeLockFile(path_);
    } catch (...) {
      holdings().erase(path_);
      throw;
    }
    holding.sinceKeptAlive.start();
  }
  ++holding.users;
  held_ = true;
}

void ArchiveLock::release() {
  if (!held_) return;
  held_ = false;
  const auto it = holdings().find(path_);
  if (--it->second.users == 0) holdings().erase(it);  // removes the lock file
}

void ArchiveLock::keepAlive() {
  if (!held_) return;
  Holding& holding = holdings()[path_];
  if (holding.sinceKeptAlive.elapsed() < timing().keepAlive.count()) return;
  holding.sinceKeptAlive.start();
  // Where the system keeps others from opening the file (Windows), the open
  // handle itself proves the holder alive and nothing needs renewing.
  QFile file(path_);
  if (file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
    file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
}

ArchiveLock::Timing ArchiveLock::timing() { return timingSetting(); }

void ArchiveLock::setTiming(const Timing& timing) { timingSetting() = timing; }

void ArchiveLock::setWaitIndicator(std::function<void(bool)> indicator) {
  installedIndicator() = std::move(indicator);
}

std::function<void(bool)> ArchiveLock::waitIndicator() { return installedIndicator(); }
