#include "contactimport/addressbookimport.h"

#include "archive/layouts.h"
#include "archive/tarchivio.h"

AddressBookImport::AddressBookImport(const ContactTable& table, const ColumnMapping& mapping)
    : table_(table), builder_(mapping) {}

QList<BuiltCard> AddressBookImport::firstCards(int count) const {
  QList<BuiltCard> cards;
  for (const ContactRow& row : table_.rows) {
    if (cards.size() == count) break;
    cards.append(builder_.build(row));
  }
  return cards;
}

void AddressBookImport::walk(KnownCards& known, bool skipKnown, ImportCounts& counts,
                             const std::function<void(const BuiltCard&)>& append,
                             const std::function<void(int done, int total)>& progress) const {
  const int total = int(table_.rows.size());
  for (int i = 0; i < total; ++i) {
    const BuiltCard card = builder_.build(table_.rows[i]);
    if (!card.hasName()) {
      ++counts.nameless;
    } else {
      const bool isKnown = known.contains(card.record);
      if (isKnown) ++counts.known;
      if (!(isKnown && skipKnown)) {
        if (append) append(card);
        known.add(card.record);
        ++counts.imported;
        counts.cut += card.cuts;
      }
    }
    if (progress) progress(i + 1, total);
  }
}

ImportCounts AddressBookImport::survey(KnownCards known) const {
  ImportCounts counts;
  walk(known, false, counts, {}, {});
  return counts;
}

void AddressBookImport::run(bool skipKnown,
                            const std::function<void(int done, int total)>& progress) {
  counts_ = {};
  TArchivio archive(addressBookArchive());
  archive.Open();
  KnownCards known = KnownCards::fromArchive(archive);
  walk(known, skipKnown, counts_,
       [&archive](const BuiltCard& card) { archive.Append(card.record); }, progress);
  archive.Close();
}
