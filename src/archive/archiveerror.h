#pragma once

#include <QString>
#include <stdexcept>

// Any failure of an archive action: the file cannot be opened or created, a
// seek, read, write or close fails, a record is short, or an editor's
// position label is not a record number.
class ArchiveError : public std::runtime_error {
 public:
  explicit ArchiveError(const QString& detail);
};

// What the editors show for an ArchiveError (sentences separated by
// LF CR LF CR).
extern const QString kArchiveAccessMessage;
