#pragma once

#include "contactimport/contacttable.h"

// Reads the contacts of a file already decoded to text. Each file format
// has its reader; a file that does not follow its format throws
// ContactFileError.
class ContactReader {
 public:
  virtual ~ContactReader() = default;
  virtual ContactTable read(const QString& text) const = 0;
};
