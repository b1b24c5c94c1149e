#include "records/importtargets.h"

#include <array>

#include "archive/archivekinds.h"

namespace velinda {

namespace ImportTargets {

namespace {

struct Target {
  ArchiveKind receipt;
  CardBlock block;
};

constexpr std::array<Target, 4> kTargets{{
    {ArchiveKind::Acceptance, CardBlock::Recipient},
    {ArchiveKind::Acceptance, CardBlock::Sender},
    {ArchiveKind::ReturnReceipt, CardBlock::Recipient},
    {ArchiveKind::ReturnReceipt, CardBlock::Sender},
}};

struct Row {
  const char* cardField;
  std::array<const char*, 4> boxes;  // one per target above; nullptr: not copied
};

// The return receipt has no telephone or e-mail boxes.
constexpr std::array<Row, 13> kRows{{
    {"Nome", {"txtDestinatario", "txtMittente", "txtDestinatario", "txtMittente"}},
    {"Indirizzo", {"txtIndirizzoDes", "txtIndirizzoMit", "txtIndirizzoDes", "txtIndirizzoMit"}},
    {"Num", {"txtNumDes", "txtNumMit", "txtNumDes", "txtNumMit"}},
    {"Cap01", {"txtCapDes01", "txtCapMit01", "txtCapDes01", "txtCapMit01"}},
    {"Cap02", {"txtCapDes02", "txtCapMit02", "txtCapDes02", "txtCapMit02"}},
    {"Cap03", {"txtCapDes03", "txtCapMit03", "txtCapDes03", "txtCapMit03"}},
    {"Cap04", {"txtCapDes04", "txtCapMit04", "txtCapDes04", "txtCapMit04"}},
    {"Cap05", {"txtCapDes05", "txtCapMit05", "txtCapDes05", "txtCapMit05"}},
    {"Localita", {"txtLocalitaDes", "txtLocalitaMit", "txtLocalitaDes", "txtLocalitaMit"}},
    {"Prov01", {"txtProvDes01", "txtProvMit01", "txtProvDes01", "txtProvMit01"}},
    {"Prov02", {"txtProvDes02", "txtProvMit02", "txtProvDes02", "txtProvMit02"}},
    {"Tel", {"txtTelDes", "txtTelMit", nullptr, nullptr}},
    {"Email", {"txtEmailDes", "txtEmailMit", nullptr, nullptr}},
}};

}  // namespace

QList<Copy> copiesFor(const QString& tag) {
  QList<Copy> copies;
  for (size_t column = 0; column < kTargets.size(); ++column) {
    if (tag != Archives::importTagOf(kTargets[column].receipt, kTargets[column].block)) continue;
    for (const Row& row : kRows)
      if (row.boxes[column])
        copies.append({QString::fromLatin1(row.cardField), QString::fromLatin1(row.boxes[column])});
  }
  return copies;
}

}  // namespace ImportTargets

}  // namespace velinda
