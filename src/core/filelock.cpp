#include "core/filelock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>
#include <map>

#include "core/lockfiles.h"

namespace velinda {

using namespace Qt::StringLiterals;
using LockFiles::Outcome;

namespace {

const QByteArray kReleased = "released\n";
// The file in the lock folder that names its holder.
const QString kHolderFile = u"/titolare"_s;
// How long a lock folder may go without a holder file before it counts as a
// leftover: well past the second for which a network client may still
// believe a new file missing.
constexpr qint64 kNamelessAfter = 3000;

// A lock this process holds, shared by every lock of the process over the
// same file.
struct Holding {
  QByteArray token;
  int users = 0;
  quint64 beats = 0;
  QElapsedTimer sinceTouched;
};

// How another station's lock last looked to this process, and since when it
// has looked so.
struct Sighting {
  QByteArray metadata;
  std::optional<QByteArray> holder;
  bool isProtected = false;
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

FileLock::Timing& timingSetting() {
  static FileLock::Timing timing;
  return timing;
}

std::function<void(FileLock::WaitPhase)>& installedIndicator() {
  static std::function<void(FileLock::WaitPhase)> indicator;
  return indicator;
}

QString hostName() {
  static const QString name = QSysInfo::machineHostName();
  return name;
}

QByteArray holderText(const QByteArray& token, quint64 beats) {
  return QByteArray::number(LockFiles::currentProcessId()) + "\nvelinda\n" + hostName().toUtf8() +
         '\n' + token + '\n' + QByteArray::number(beats) + '\n';
}

QByteArray tokenIn(const QByteArray& holder) {
  const QList<QByteArray> lines = holder.split('\n');
  return lines.size() > 3 ? lines[3] : QByteArray();
}

// True for a holder that is gone, whatever the lock's age: one that could
// not clear its lock and marked it free, or one of this computer whose
// process has ended.
bool isFree(const QByteArray& holder) {
  if (holder == kReleased) return true;
  const QList<QByteArray> lines = holder.split('\n');
  if (lines.size() < 4 || QString::fromUtf8(lines[2]) != hostName()) return false;
  bool isNumber = false;
  const qint64 pid = lines[0].toLongLong(&isNumber);
  if (!isNumber) return false;
  // This process holds none (or it would not be looking), so a lock naming
  // it is a leftover of its own.
  return pid == LockFiles::currentProcessId() || !LockFiles::processRunning(pid);
}

// The file that names a lock's holder: in the lock folder, or the lock
// itself where an earlier version of the program left a lock file.
QString holderFileOf(const QString& lock, bool isFolder) {
  return isFolder ? lock + kHolderFile : lock;
}

// Size and time of change of what names the holder, asked of the system
// afresh; empty when there is no lock.
QByteArray metadataOf(const QString& lock, bool* isFolder = nullptr) {
  QFileInfo info(lock);
  info.setCaching(false);
  if (!info.exists()) return {};
  if (isFolder) *isFolder = info.isDir();
  QFileInfo holder(holderFileOf(lock, info.isDir()));
  holder.setCaching(false);
  QByteArray metadata = info.isDir() ? "folder:" : "file:";
  if (holder.exists())
    metadata += QByteArray::number(holder.size()) + '@' +
                QByteArray::number(holder.lastModified().toMSecsSinceEpoch());
  return metadata;
}

enum class Verdict { Gone, Held, Free, Protected };

Verdict judge(const QString& lock) {
  bool isFolder = false;
  const QByteArray metadata = metadataOf(lock, &isFolder);
  if (metadata.isEmpty()) return Verdict::Gone;
  Sighting& sighting = sightings()[lock];
  if (metadata != sighting.metadata || !sighting.since.isValid()) {
    const QString holder = holderFileOf(lock, isFolder);
    sighting.metadata = metadata;
    // Folders are never opened: smbnetfs was seen failing every call on a
    // folder for seconds after one was opened while another desk removed it.
    sighting.holder = LockFiles::read(holder, &sighting.isProtected);
    sighting.since.start();
  }
  if (sighting.isProtected) return Verdict::Protected;
  if (sighting.holder && isFree(*sighting.holder)) return Verdict::Free;
  const qint64 abandonedAfter = FileLock::timing().abandonedAfter.count();
  // A holder names itself a moment after making the folder; a folder that
  // stays without a holder is a leftover (a desk that died in between, a
  // release cut short) and need not wait as long as a silent holder.
  const qint64 limit =
      isFolder && !sighting.holder ? qMin<qint64>(abandonedAfter, kNamelessAfter) : abandonedAfter;
  if (sighting.since.elapsed() >= limit) return Verdict::Free;
  return Verdict::Held;
}

// A pause between two tries: short at first, since actions hold a file for
// milliseconds, then longer, so that a long wait does not keep a file server
// busy; of varying length, so that two waiting stations do not try again in
// step.
void pause(int tries, const QDeadlineTimer& deadline) {
  const int longest = 1 << qMin(tries, 5);  // 2 to 32 ms
  const qint64 wanted = QRandomGenerator::global()->bounded(longest / 2, longest) + 1;
  QThread::msleep(qMax<qint64>(1, qMin(wanted, deadline.remainingTime())));
}

// Runs a call again while another handle keeps the file in use. A folder
// counts as in use while it still shows a file just deleted: on a share a
// file deleted while another desk reads it goes only when that desk closes
// it.
template <typename Call>
LockFiles::Result retried(Call call) {
  LockFiles::Result result = call();
  for (int wait = 1; wait <= 128; wait *= 2) {
    if (result.outcome != Outcome::InUse && result.outcome != Outcome::NotEmpty &&
        result.outcome != Outcome::Failed)
      break;
    QThread::msleep(wait);
    result = call();
  }
  return result;
}

// Removes a lock: its holder file, then its folder (or the lock file an
// earlier version left). A folder that cannot be removed is marked free
// again, never left without a holder, which would look held until
// abandoned.
LockFiles::Result removeLock(const QString& lock) {
  QFileInfo info(lock);
  info.setCaching(false);
  if (!info.isDir()) return retried([&] { return LockFiles::remove(lock); });
  const LockFiles::Result holder = retried([&] { return LockFiles::remove(lock + kHolderFile); });
  if (holder.outcome != Outcome::Done && holder.outcome != Outcome::Missing) return holder;
  const LockFiles::Result folder = retried([&] { return LockFiles::removeFolder(lock); });
  if (folder.outcome != Outcome::Done && folder.outcome != Outcome::Missing)
    retried([&] { return LockFiles::write(lock + kHolderFile, kReleased); });
  return folder;
}

std::optional<LockProblem> problemOf(Outcome outcome) {
  switch (outcome) {
    case Outcome::Done:
    case Outcome::Exists:
    case Outcome::Missing:
    case Outcome::InUse:
      return std::nullopt;
    case Outcome::DiskFull:
      return LockProblem::DiskFull;
    case Outcome::Refused:
      return LockProblem::NoRightToCreate;
    case Outcome::NotEmpty:
      return LockProblem::FolderInItsPlace;
    case Outcome::Failed:
      return LockProblem::FolderFailed;
  }
  return LockProblem::FolderFailed;
}

// Taking a lock is making its folder, then naming the holder in it; nothing
// when that went well.
std::optional<LockFiles::Result> take(const QString& lock, const QByteArray& token) {
  const LockFiles::Result made = LockFiles::makeFolder(lock);
  if (made.outcome != Outcome::Done) return made;
  const LockFiles::Result named = LockFiles::write(lock + kHolderFile, holderText(token, 0));
  if (named.outcome == Outcome::Done) return std::nullopt;
  retried([&] { return LockFiles::removeFolder(lock); });
  return named;
}

// Clears a lock judged free or abandoned, under a second, short-lived lock
// and after a fresh look, so that it is still the lock judged and not a new
// one another station took meanwhile. False when another station is
// clearing it (or died doing so). A problem that keeps this station from
// ever clearing it is thrown, naming the lock: once the user may delete
// files again, the second lock is cleared as a leftover too.
bool clearLeftover(const QString& lock, const QByteArray& token) {
  const QString guard = lock + u".take"_s;
  if (const std::optional<LockFiles::Result> failed = take(guard, token)) {
    if (failed->outcome != Outcome::Exists) {
      if (const auto problem = problemOf(failed->outcome))
        throw LockUnavailable(*problem, lock, failed->detail);
      return false;
    }
    if (judge(guard) != Verdict::Free) return false;
    const LockFiles::Result removed = removeLock(guard);
    if (removed.outcome == Outcome::Refused)
      throw LockUnavailable(LockProblem::CannotDelete, lock, removed.detail);
    return false;
  }
  const Sighting seen = sightings()[lock];
  LockFiles::Result cleared{Outcome::Done, {}};
  bool isFolder = false;
  const QByteArray metadata = metadataOf(lock, &isFolder);
  if (!metadata.isEmpty()) {
    const std::optional<QByteArray> holder = LockFiles::read(holderFileOf(lock, isFolder));
    const bool free = holder && isFree(*holder);
    const bool unchanged = metadata == seen.metadata && holder == seen.holder;
    if (free || unchanged) cleared = removeLock(lock);
  }
  removeLock(guard);
  if (const auto problem = problemOf(cleared.outcome)) {
    throw LockUnavailable(
        *problem == LockProblem::NoRightToCreate ? LockProblem::CannotDelete : *problem, lock,
        cleared.detail);
  }
  sightings().erase(lock);
  return true;
}

// Only a holder silent for half the abandon period can have been taken
// over; then the lock may be another station's by now, and is left alone.
bool stillHeld(const QString& lock, const Holding& holding) {
  if (holding.sinceTouched.elapsed() < FileLock::timing().abandonedAfter.count() / 2) return true;
  return tokenIn(LockFiles::read(lock + kHolderFile).value_or(QByteArray())) == holding.token;
}

// Tells the indicator about a wait once it has begun, once more when it has
// gone on for long, and about its end however the wait ends.
class WaitShown {
 public:
  void update() {
    if (!installedIndicator()) return;
    if (!since_.isValid()) {
      since_.start();
      installedIndicator()(FileLock::WaitPhase::Started);
    } else if (!long_ && since_.elapsed() >= FileLock::timing().longWait.count()) {
      long_ = true;
      installedIndicator()(FileLock::WaitPhase::Long);
    }
  }
  ~WaitShown() {
    if (since_.isValid() && installedIndicator()) installedIndicator()(FileLock::WaitPhase::Ended);
  }

 private:
  QElapsedTimer since_;
  bool long_ = false;
};

// Turns between desks. A station that has waited for a while writes its
// token into "<lock>.next" and renews it while it waits; a station that has
// not waited yet lets such a fresh claim go first. Without it a desk saving
// again and again takes the lock back within a millisecond of letting it go
// and keeps a waiting desk out until its wait runs out (seen on a share:
// waits of 8 s). The claim only orders who tries first; the lock alone
// decides who holds.
class TurnClaim {
 public:
  TurnClaim(const QString& lock, const QByteArray& token)
      : path_(lock + u".next"_s), token_(token) {}
  ~TurnClaim() { withdraw(); }

  // True while another station's fresh claim asks this one to hold back.
  bool othersFirst() {
    if (claimed_) return false;
    const QByteArray claim = LockFiles::read(path_).value_or(QByteArray());
    if (claim.isEmpty() || claim.startsWith(token_)) return false;
    if (claim != lastSeen_) {
      lastSeen_ = claim;
      seenChanging_.start();
    }
    return seenChanging_.elapsed() < kFresh;
  }

  // Called on each try of a wait: claims the next turn once the wait has
  // lasted a little, and keeps the claim fresh.
  void whileWaiting(const QElapsedTimer& waited) {
    if (waited.elapsed() < kClaimAfter) return;
    if (claimed_ && sinceRenewed_.elapsed() < kRenewEvery) return;
    // Of one length whatever the count, so that a reader never needs the
    // file's size, which a network client may know only from a moment ago.
    LockFiles::write(path_, token_ + ' ' + QByteArray::number(++renewals_).rightJustified(10, '0'));
    claimed_ = true;
    sinceRenewed_.start();
  }

  void withdraw() {
    if (!claimed_) return;
    claimed_ = false;
    if (LockFiles::read(path_).value_or(QByteArray()).startsWith(token_)) LockFiles::remove(path_);
  }

 private:
  static constexpr int kClaimAfter = 50;
  static constexpr int kRenewEvery = 100;
  static constexpr int kFresh = 300;

  QString path_;
  QByteArray token_;
  bool claimed_ = false;
  quint64 renewals_ = 0;
  QElapsedTimer sinceRenewed_;
  QByteArray lastSeen_;
  QElapsedTimer seenChanging_;
};

QByteArray newToken() {
  const quint64 value = QRandomGenerator::global()->generate64();
  return QByteArray::number(value, 16).rightJustified(16, '0');
}

}  // namespace

FileLock::FileLock(const QString& lockedPath) : path_(lockFilePath(lockedPath)) {}

FileLock::~FileLock() { release(); }

QString FileLock::lockFilePath(const QString& lockedPath) {
  return QDir::cleanPath(QDir::current().absoluteFilePath(lockedPath)) + u".lock"_s;
}

void FileLock::acquire() {
  if (held_) return;
  unavailable_.reset();
  if (const auto it = holdings().find(path_); it != holdings().end()) {
    ++it->second.users;
    held_ = true;
    return;
  }
  const QByteArray token = newToken();
  const QDeadlineTimer deadline(timing().waitLimit);
  QElapsedTimer waited;
  waited.start();
  WaitShown wait;
  TurnClaim turn(path_, token);
  // A network folder may fail a call now and then and answer the next one:
  // such a failure is only told when it lasts for the whole wait.
  std::optional<LockUnavailable> folderFailure;
  for (int tries = 1;; ++tries) {
    if (!turn.othersFirst()) {
      const std::optional<LockFiles::Result> failed = take(path_, token);
      if (!failed) {
        Holding& holding = holdings()[path_];
        holding.token = token;
        holding.users = 1;
        holding.sinceTouched.start();
        sightings().erase(path_);
        held_ = true;
        return;
      }
      folderFailure.reset();
      try {
        if (failed->outcome != Outcome::Exists) {
          if (const auto problem = problemOf(failed->outcome))
            throw LockUnavailable(*problem, path_, failed->detail);
        } else {
          const Verdict verdict = judge(path_);
          if (verdict == Verdict::Gone) continue;
          if (verdict == Verdict::Protected)
            throw LockUnavailable(LockProblem::CannotDelete, path_, u"a protected file"_s);
          if (verdict == Verdict::Free && clearLeftover(path_, token)) continue;
        }
      } catch (const LockUnavailable& why) {
        if (why.problem() == LockProblem::FolderFailed) {
          folderFailure = why;
        } else {
          unavailable_ = why;
          return;
        }
      }
    }
    if (deadline.hasExpired()) {
      if (folderFailure) throw *folderFailure;
      throw LockBusy(path_);
    }
    wait.update();
    turn.whileWaiting(waited);
    pause(tries, deadline);
  }
}

void FileLock::requireHeld() const {
  if (held_) return;
  if (unavailable_) throw *unavailable_;
  throw LockUnavailable(LockProblem::FolderFailed, path_, u"not taken"_s);
}

std::optional<LockProblem> FileLock::problem() const {
  if (unavailable_) return unavailable_->problem();
  return std::nullopt;
}

void FileLock::release() {
  unavailable_.reset();
  if (!held_) return;
  held_ = false;
  const auto it = holdings().find(path_);
  if (--it->second.users > 0) return;
  const Holding holding = it->second;
  holdings().erase(it);
  if (!stillHeld(path_, holding)) return;
  const LockFiles::Result removed = removeLock(path_);
  if (removed.outcome != Outcome::Done && removed.outcome != Outcome::Missing)
    retried([&] { return LockFiles::write(path_ + kHolderFile, kReleased); });
}

void FileLock::keepAlive() {
  if (!held_) return;
  Holding& holding = holdings()[path_];
  if (holding.sinceTouched.elapsed() < timing().keepAlive.count()) return;
  if (!stillHeld(path_, holding)) return;
  holding.sinceTouched.start();
  LockFiles::write(path_ + kHolderFile, holderText(holding.token, ++holding.beats));
}

FileLock::Timing FileLock::timing() { return timingSetting(); }

void FileLock::setTiming(const Timing& timing) { timingSetting() = timing; }

void FileLock::setWaitIndicator(std::function<void(WaitPhase)> indicator) {
  installedIndicator() = std::move(indicator);
}

std::function<void(FileLock::WaitPhase)> FileLock::waitIndicator() { return installedIndicator(); }

}  // namespace velinda
