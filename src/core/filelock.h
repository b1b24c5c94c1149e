#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <optional>

#include "core/lockproblem.h"

namespace velinda {

// Keeps every other station out of one file (an archive, the settings file,
// the password store) for the length of one action, so that desks sharing a
// program folder never write over each other, and a reader never meets a
// half-written record or a settings file in the middle of its replacement.
//
// The lock is a folder beside the locked file ("Anagrafica.pro.lock/"), with
// a file in it ("titolare") naming the holder: process number, computer name
// and a random token. Each rule below answers a behaviour of the folders the
// program runs from: local disks, FAT USB sticks, Windows and Samba shares
// reached through Windows, kernel cifs or libsmbclient (smbnetfs), and NFS.
//
// - Taking the lock is making its folder. Making a folder is atomic on every
//   one of those, whatever their byte-range locking (cifs "nobrl", NFS
//   without a lock daemon). The exclusive creation of a file is not: a FUSE
//   client of a share looks the name up and then creates the file in two
//   steps, and two desks were seen to "create" the same lock file 7 times
//   in 600 tries. The holder writes its file and closes it at once; no
//   handle stays open while it works.
// - A file that any handle has open cannot be deleted on SMB or Windows (no
//   client asks for delete sharing), and a delete may fail just after a
//   close. So a waiting station judges a lock from its metadata, and reads
//   the holder file only when that changed, closing it at once; nobody
//   deletes a file while holding it open (as QLockFile does, which wedged
//   on smbnetfs for good).
// - The holder's release deletes the holder file and the folder, trying
//   again with growing pauses while they are in use. If it still cannot, it
//   writes "released" into the holder file, which every station reads as
//   free.
// - A free or abandoned lock is cleared under a second, short-lived lock
//   ("<lock>.take/"), after a fresh look at it, so that two stations clearing
//   the same leftover never remove the lock that one of them has just taken
//   in its place.
// - A lock of this computer (same computer name) whose process is gone is
//   free at once. A lock of another computer is never judged by its process
//   number (cloned PCs share machine ids; process numbers mean nothing
//   across computers): it is abandoned once it has not changed for a while,
//   judged on this station's own monotonic clock, so the stations' clocks
//   need not agree. A holder rewrites its file at least once per keep-alive
//   period during a long action, so it never looks abandoned; a station
//   waits longer than the abandon time, so one behind a station that
//   crashed gets through on its first try. A lock file (not folder) left by
//   an earlier version of the program is judged the same way.
// - Where this station cannot make a lock at all for a reason of its own (a
//   full disk, no right to create or to delete files in the folder, a
//   protected lock, a lock folder holding other files), it goes on without
//   one and says why: a reader may read without it (the archives are
//   written a whole record at a time and the other files are replaced in
//   one step), a writer may not.
//
// Locks are counted per process: an action may take the same lock again
// while it holds it and never waits for itself. Everything runs on the
// user-interface thread, as the whole program does.
class FileLock {
 public:
  struct Timing {
    // How long an action waits for another station before giving up; longer
    // than abandonedAfter.
    std::chrono::milliseconds waitLimit{15000};
    // How often a holder renews its lock file during a long action.
    std::chrono::milliseconds keepAlive{1000};
    // How long another computer's lock file must stay unchanged before it is
    // taken for the leftover of a station that died.
    std::chrono::milliseconds abandonedAfter{10000};
    // When a wait becomes long enough to say so in words.
    std::chrono::milliseconds longWait{1000};
  };

  enum class WaitPhase { Started, Long, Ended };

  // Locks lockedPath through the file lockedPath + ".lock".
  explicit FileLock(const QString& lockedPath);
  ~FileLock();

  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Takes the lock, waiting while another station holds it: throws LockBusy
  // when the wait limit passes. Throws LockUnavailable when the folder
  // fails; for the station's own reasons (see the class comment) it returns
  // without the lock, and requireHeld() then throws. Does nothing while held.
  void acquire();
  bool held() const { return held_; }
  // For a write: throws the LockUnavailable that kept acquire() from
  // taking the lock.
  void requireHeld() const;
  std::optional<LockProblem> problem() const;
  void release();
  // Tells other stations that the holder is alive; cheap enough to call for
  // every record, it touches the file at most once per keep-alive period.
  void keepAlive();

  // The lock folder.
  QString lockFilePath() const { return path_; }
  static QString lockFilePath(const QString& lockedPath);

  static Timing timing();
  // The program keeps the defaults; tests shorten the waits.
  static void setTiming(const Timing& timing);
  // Told when an action starts waiting for another station, when the wait
  // has become long, and when it ends however it ends.
  static void setWaitIndicator(std::function<void(WaitPhase)> indicator);
  static std::function<void(WaitPhase)> waitIndicator();

 private:
  QString path_;  // of the lock folder
  bool held_ = false;
  std::optional<LockUnavailable> unavailable_;
};

}  // namespace velinda
