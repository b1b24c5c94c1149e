#pragma once

#include <QString>
#include <chrono>
#include <functional>

// Keeps every other station out of one archive for the length of one action,
// so that two desks on a shared program folder never write over each other
// and a reader never meets a half-written record.
//
// The lock is a file beside the archive ("Anagrafica.pro.lock"), created
// exclusively through QLockFile. Exclusive creation is the one primitive that
// SMB/CIFS shares, NFS and a FAT USB stick all honour, whatever their
// byte-range locking (CIFS "nobrl", NFS without a lock daemon). Where
// byte-range locks do reach the server, QLockFile's lock on the file keeps a
// live holder's file from ever being removed. A holder that died is
// recognised in two ways: on the same computer by its process id, at once;
// from another computer because its file stopped changing. A holder renews
// its file's time at least once per keep-alive period while an action runs,
// so a long scan never looks abandoned; a waiting station judges "stopped
// changing" on its own monotonic clock, so the stations' clocks need not
// agree. Locks are counted per process: an action may open the same archive
// again while it holds it, and never waits for itself. Everything runs on
// the user-interface thread, as the whole program does.
class ArchiveLock {
 public:
  struct Timing {
    // How long an action waits for another station before giving up.
    std::chrono::milliseconds waitLimit{5000};
    // How often a holder renews its lock file during a long action.
    std::chrono::milliseconds keepAlive{1000};
    // How long another station's lock file must stay unchanged before it is
    // taken for the leftover of a station that died.
    std::chrono::milliseconds abandonedAfter{10000};
  };

  explicit ArchiveLock(const QString& archivePath);
  ~ArchiveLock();

  ArchiveLock(const ArchiveLock&) = delete;
  ArchiveLock& operator=(const ArchiveLock&) = delete;

  // Takes the lock, waiting while another station holds it. Throws
  // ArchiveBusy when the wait limit passes and ArchiveError when no lock can
  // be made (a read-only folder). Does nothing while already held.
  void acquire();
  void release();
  // Tells other stations that the holder is alive; cheap enough to call for
  // every record, it touches the file at most once per keep-alive period.
  void keepAlive();

  static QString lockFilePath(const QString& archivePath);

  static Timing timing();
  // The program keeps the defaults; tests shorten the waits.
  static void setTiming(const Timing& timing);
  // Told true when an action starts waiting for another station and false
  // when that wait ends; the screens show a busy cursor meanwhile.
  static void setWaitIndicator(std::function<void(bool waiting)> indicator);
  static std::function<void(bool waiting)> waitIndicator();

 private:
  QString path_;  // of the lock file
  bool held_ = false;
};
