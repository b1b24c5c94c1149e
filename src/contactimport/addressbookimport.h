#pragma once

#include <functional>

#include "contactimport/cardbuilder.h"
#include "contactimport/knowncards.h"

namespace velinda {

// What the user decided about the contacts that need a decision.
struct ImportOptions {
  // Leave out the contacts that look like cards already in the address book.
  bool skipKnown = true;
  // Import also the lines whose values do not line up with the header.
  bool includeMisfits = false;
};

// Contacts that the report names: the first few, the others counted.
class NamedContacts {
 public:
  static constexpr int kNamed = 10;

  void add(const QString& entry);
  int count() const { return count_; }
  const QStringList& named() const { return named_; }

 private:
  QStringList named_;
  int count_ = 0;
};

// What an import did, or would do.
struct ImportCounts {
  int imported = 0;  // cards appended (or, in a survey, to append)
  int cut = 0;       // contacts with a text cut to its field's length
  int known = 0;     // contacts that looked like cards already in the address book
  int nameless = 0;  // contacts without a name, never imported
  int misfits = 0;   // lines whose values do not line up with the header

  // Which contacts, by line and name, for the report.
  struct Details {
    NamedContacts cut;
    NamedContacts notStored;
    NamedContacts inNote;
    NamedContacts capCompleted;
    NamedContacts postcodeInTown;
    NamedContacts misfits;
    NamedContacts nameless;
  } details = {};
};

// Goes over the contacts of a file in its order, a stretch at a time, as
// an import or its survey does: each contact made into a card, counted,
// and left out when it has no name, when it looks known and the user said
// so, or when its line does not fit the header and the user did not say to
// take it.
class ImportWalk {
 public:
  ImportWalk(const ContactTable& table, const ColumnMapping& mapping, KnownCards known,
             const ImportOptions& options);

  // Goes over up to `count` more contacts; each card to import goes to
  // `append`. False once every contact is done.
  bool advance(qsizetype count, const std::function<void(const BuiltCard&)>& append = {});
  qsizetype done() const { return next_; }
  qsizetype total() const { return table_.rows.size(); }
  const ImportCounts& counts() const { return counts_; }

 private:
  const ContactTable& table_;
  CardBuilder builder_;
  KnownCards known_;
  ImportOptions options_;
  qsizetype next_ = 0;
  ImportCounts counts_;
};

// Who a contact is in the report: "riga 12 (Mario Rossi)".
QString contactInReport(int line, const QString& name);

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
  ImportCounts survey(KnownCards known, const ImportOptions& options = {}) const;

  // Appends the cards to Anagrafica.pro. `progress` hears how many contacts
  // of how many are done. An archive failure throws ArchiveError; counts()
  // then tells what was appended before it.
  void run(const ImportOptions& options,
           const std::function<void(qsizetype done, qsizetype total)>& progress);
  const ImportCounts& counts() const { return counts_; }

 private:
  const ContactTable& table_;
  ColumnMapping mapping_;
  ImportCounts counts_;
};

}  // namespace velinda
