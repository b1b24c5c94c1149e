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

ImportCounts AddressBookImport::survey(KnownCards known) const {
  ImportCounts counts;
  for (const ContactRow& row : table_.rows) {
    const BuiltCard card = builder_.build(row);
    if (!card.hasName()) {
      ++counts.nameless;
      continue;
    }
    counts.cut += card.cuts;
    if (known.contains(card.record)) ++counts.known;
    known.add(card.record);
    ++counts.imported;
  }
  return counts;
}

void AddressBookImport::run(bool skipKnown,
                            const std::function<void(int done, int total)>& progress) {
  counts_ = {};
  TArchivio archive(addressBookArchive());
  archive.Open();
  KnownCards known = KnownCards::fromArchive(archive);
  const int total = int(table_.rows.size());
  for (int i = 0; i < total; ++i) {
    const BuiltCard card = builder_.build(table_.rows[i]);
    if (!card.hasName()) {
      ++counts_.nameless;
    } else {
      const bool isKnown = known.contains(card.record);
      if (isKnown) ++counts_.known;
      if (isKnown && skipKnown) {
        ++counts_.skipped;
      } else {
        archive.Append(card.record);
        known.add(card.record);
        ++counts_.imported;
        counts_.cut += card.cuts;
      }
    }
    if (progress) progress(i + 1, total);
  }
  archive.Close();
}
