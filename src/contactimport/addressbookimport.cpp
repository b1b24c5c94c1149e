#include "contactimport/addressbookimport.h"

#include "archive/layouts.h"
#include "archive/tarchivio.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// Contacts done between two reports of progress.
constexpr qsizetype kStretch = 250;

}  // namespace

void NamedContacts::add(const QString& entry) {
  if (named_.size() < kNamed) named_.append(entry);
  ++count_;
}

QString contactInReport(int line, const QString& name) {
  return u"riga %1 (%2)"_s.arg(line).arg(name.isEmpty() ? u"senza nome"_s : name);
}

ImportWalk::ImportWalk(const ContactTable& table, const ColumnMapping& mapping, KnownCards known,
                       const ImportOptions& options)
    : table_(table), builder_(mapping), known_(std::move(known)), options_(options) {}

bool ImportWalk::advance(qsizetype count, const std::function<void(const BuiltCard&)>& append) {
  const qsizetype end = qMin(total(), next_ + count);
  for (; next_ < end; ++next_) {
    const RowOrigin& origin = table_.rows.origin(next_);
    const BuiltCard card = builder_.build(table_.rows.at(next_));
    auto who = [&] { return contactInReport(origin.line, card.record.text(u"Nome")); };
    ImportCounts::Details& details = counts_.details;
    if (origin.misfit) {
      ++counts_.misfits;
      details.misfits.add(
          u"%1: %2 valori invece di %3"_s.arg(who()).arg(origin.fields).arg(table_.headerColumns));
      if (!options_.includeMisfits) continue;
    }
    if (!card.hasName()) {
      ++counts_.nameless;
      details.nameless.add(who());
      continue;
    }
    const bool isKnown = known_.contains(card.record);
    if (isKnown) ++counts_.known;
    if (isKnown && options_.skipKnown) continue;
    if (append) append(card);
    known_.add(card.record);
    ++counts_.imported;
    using Kind = CardRemark::Kind;
    const std::pair<Kind, NamedContacts*> kinds[] = {
        {Kind::Cut, &details.cut},
        {Kind::NotStored, &details.notStored},
        {Kind::InNote, &details.inNote},
        {Kind::CapCompleted, &details.capCompleted},
        {Kind::PostcodeInTown, &details.postcodeInTown},
    };
    for (const auto& [kind, contacts] : kinds) {
      const QStringList texts = card.remarksOf(kind);
      if (!texts.isEmpty()) contacts->add(who() + u": "_s + texts.join(u"; "_s));
    }
    if (card.cuts > 0) ++counts_.cut;
  }
  return next_ < total();
}

AddressBookImport::AddressBookImport(const ContactTable& table, const ColumnMapping& mapping)
    : table_(table), mapping_(mapping) {}

QList<BuiltCard> AddressBookImport::firstCards(int count) const {
  const CardBuilder builder(mapping_);
  QList<BuiltCard> cards;
  for (qsizetype i = 0; i < table_.rows.size() && cards.size() < count; ++i)
    cards.append(builder.build(table_.rows.at(i)));
  return cards;
}

ImportCounts AddressBookImport::survey(KnownCards known, const ImportOptions& options) const {
  ImportWalk walk(table_, mapping_, std::move(known), options);
  while (walk.advance(kStretch)) {
  }
  return walk.counts();
}

void AddressBookImport::run(const ImportOptions& options,
                            const std::function<void(qsizetype done, qsizetype total)>& progress) {
  counts_ = {};
  TArchivio archive(addressBookArchive());
  archive.Open();
  ImportWalk walk(table_, mapping_, KnownCards::fromArchive(archive), options);
  auto append = [&archive](const BuiltCard& card) { archive.Append(card.record); };
  try {
    bool more = true;
    while (more) {
      more = walk.advance(kStretch, append);
      counts_ = walk.counts();
      if (progress) progress(walk.done(), walk.total());
    }
  } catch (...) {
    // A card counts once it is appended, so the counts tell how far the
    // import got.
    counts_ = walk.counts();
    throw;
  }
  archive.Close();
}

}  // namespace velinda
