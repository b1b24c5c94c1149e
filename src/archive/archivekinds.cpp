#include "archive/archivekinds.h"

#include <array>

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<ArchiveEntry, 3> kArchives{{
    {ArchiveKind::AddressBook, addressBookArchive, "anagrafica", true},
    {ArchiveKind::Acceptance, acceptanceArchive, "accettazione", true},
    {ArchiveKind::ReturnReceipt, returnReceiptArchive, "ricevimento", false},
}};

}  // namespace

namespace Archives {

std::span<const ArchiveEntry> all() { return kArchives; }

const ArchiveEntry& entry(ArchiveKind kind) {
  for (const ArchiveEntry& archive : kArchives)
    if (archive.kind == kind) return archive;
  Q_UNREACHABLE();
}

QString tagOf(ArchiveKind kind) { return QString::fromLatin1(entry(kind).tag); }

std::optional<ArchiveKind> tagged(const QString& tag) {
  for (const ArchiveEntry& archive : kArchives)
    if (tag == QLatin1String(archive.tag)) return archive.kind;
  return std::nullopt;
}

QString importTagOf(ArchiveKind receipt, CardBlock block) {
  return tagOf(receipt) + (block == CardBlock::Recipient ? u"_des"_s : u"_mit"_s);
}

}  // namespace Archives

}  // namespace velinda
