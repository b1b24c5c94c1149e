#pragma once

#include <QString>
#include <stdexcept>

// Any failure of an archive action: the file cannot be opened or created, a
// seek, read, write or close fails, a record is short, or an editor's
// position label is not a record number.
class ArchiveError : public std::runtime_error {
 public:
  explicit ArchiveError(const QString& detail);

  // What the screens tell the user about it.
  virtual QString userMessage() const;
};

// Another station kept the archive for longer than an action waits. The
// action changed nothing and can simply be tried again.
class ArchiveBusy : public ArchiveError {
 public:
  explicit ArchiveBusy(const QString& archivePath);

  QString userMessage() const override;
};

// What the editors show for an ArchiveError (sentences separated by
// LF CR LF CR).
extern const QString kArchiveAccessMessage;
// What every screen shows for ArchiveBusy, in the same form.
extern const QString kArchiveBusyMessage;
