#pragma once

#include <QString>

#include "core/usererror.h"

namespace velinda {

// Why a station cannot make the lock file that keeps other stations out
// while it writes. None of these is another station's doing, so none is
// reported as "in use".
enum class LockProblem {
  // The disk is full: not even a small file can be written.
  DiskFull,
  // This user may not create files in the folder (or the folder is
  // read-only).
  NoRightToCreate,
  // The lock's folder holds files that are not the program's.
  FolderInItsPlace,
  // A lock is there and cannot be deleted: it is protected, or the user may
  // create files in the folder but not delete them.
  CannotDelete,
  // The folder (a network share, most likely) failed in some other way.
  FolderFailed,
};

// The Italian sentences that tell the user what is wrong and what to do.
// lockFile is named where the user must act on it.
QString lockProblemMessage(LockProblem problem, const QString& lockFile);

// A station went without the lock for a reason of its own; what() holds the
// system's detail.
class LockUnavailable : public UserError {
 public:
  LockUnavailable(LockProblem problem, const QString& lockFile, const QString& detail);

  LockProblem problem() const { return problem_; }
  QString lockFile() const { return lockFile_; }

 private:
  LockProblem problem_;
  QString lockFile_;
};

// Another station kept the lock for longer than a station waits.
class LockBusy : public UserError {
 public:
  explicit LockBusy(const QString& lockFile);
};

}  // namespace velinda
