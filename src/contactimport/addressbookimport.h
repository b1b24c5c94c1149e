#pragma once

#include <functional>

#include "contactimport/cardbuilder.h"
#include "contactimport/knowncards.h"

// What an import did, or would do.
struct ImportCounts {
  int imported = 0;  // cards appended (or, in a survey, to append)
  int cut = 0;       // texts cut to their field's capacity
  int known = 0;     // contacts that looked like cards already in the address book
  int nameless = 0;  // contacts without a name, never imported
};

// Brings the contacts of a file into the address book, one card per
// contact, appended through the archive in the file's order.
class AddressBookImport {
 public:
  AddressBookImport(const ContactTable& table, const ColumnMapping& mapping);

  // The first cards as they will be stored.
  QList<BuiltCard> firstCards(int count) const;

  // What importing every contact would do, against the cards known now;
  // nothing is written. A contact that repeats an earlier one of the same
  // file counts as known too.
  ImportCounts survey(KnownCards known) const;

  // Appends the cards to Anagrafica.pro. `progress` hears how many contacts
  // of how many are done. An archive failure throws ArchiveError; counts()
  // then tells what was appended before it.
  void run(bool skipKnown, const std::function<void(int done, int total)>& progress);
  const ImportCounts& counts() const { return counts_; }

 private:
  // The contacts in the file's order, counted; each card to import goes to
  // `append`, and the known ones are left out when `skipKnown` says so.
  void walk(KnownCards& known, bool skipKnown, ImportCounts& counts,
            const std::function<void(const BuiltCard&)>& append,
            const std::function<void(int done, int total)>& progress) const;

  const ContactTable& table_;
  CardBuilder builder_;
  ImportCounts counts_;
};
