#pragma once

#include <QString>

#include "core/usererror.h"

namespace velinda {

// Any failure of an archive action: the file cannot be opened or created, a
// seek, read, write or close fails, a record is short, or an editor's
// position label is not a record number. The screens show userMessage():
// the archive-access message unless a more precise one is known (a full
// disk, a lock file that cannot be made or deleted, a failing share).
class ArchiveError : public UserError {
 public:
  explicit ArchiveError(const QString& detail);
  ArchiveError(const QString& detail, const QString& userMessage);
};

// Another station kept the archive for longer than an action waits. The
// action changed nothing and can simply be tried again.
class ArchiveBusy : public ArchiveError {
 public:
  explicit ArchiveBusy(const QString& archivePath);
};

// What the editors show for an ArchiveError (sentences separated by
// LF CR LF CR).
extern const QString kArchiveAccessMessage;
// What every screen shows for ArchiveBusy, in the same form.
extern const QString kArchiveBusyMessage;

}  // namespace velinda
