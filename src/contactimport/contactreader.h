#pragma once

#include "contactimport/contacttable.h"

namespace velinda {

// Reads the contacts of a file already decoded to text, given a piece at a
// time as the file is read, each piece ending where a line ends. Each file
// format has its reader; a file that does not follow its format throws
// ContactFileError.
class ContactReader {
 public:
  virtual ~ContactReader() = default;
  virtual void add(QStringView text) = 0;
  // The contacts, once the whole text was given.
  virtual ContactTable finish() = 0;

  // The whole text at once.
  ContactTable read(QStringView text) {
    add(text);
    return finish();
  }

  // The text given so far is the whole one divided by `factor`: room for
  // the rest of the contacts is made at once.
  void expect(double factor) { table_.rows.reserveScaled(factor); }

 protected:
  ContactTable table_;
};

}  // namespace velinda
