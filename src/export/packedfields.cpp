#include "export/packedfields.h"

#include <algorithm>

#include "archive/recordlayout.h"
#include "archive/tcampofisso.h"
#include "archive/windows1252.h"

PackedFields::PackedFields(const RecordLayout& layout, QList<int> fields)
    : layout_(layout), fields_(std::move(fields)), slotOf_(layout.fieldCount(), -1) {
  for (int slot = 0; slot < fields_.size(); ++slot) {
    slotOf_[fields_[slot]] = slot;
    mostPerRecord_ += 1 + layout.field(fields_[slot]).capacity;
  }
}

void PackedFields::reserve(int records) { starts_.reserve(records); }

void PackedFields::append(const char* record) {
  const qsizetype start = bytes_.size();
  starts_.append(start);
  // Room for the longest record, then back to what it took.
  if (bytes_.capacity() < start + mostPerRecord_)
    bytes_.reserve(qMax(2 * bytes_.capacity(), start + mostPerRecord_));
  bytes_.resize(start + mostPerRecord_);
  char* out = bytes_.data() + start;
  for (int field : fields_) {
    const QByteArrayView text =
        TCampoFisso::TrimmedBytes(record + layout_.offset(field), layout_.field(field).capacity);
    *out++ = char(text.size());
    out = std::copy(text.begin(), text.end(), out);
  }
  bytes_.resize(out - bytes_.constData());
}

namespace {
// A kept field: its length byte, then its text.
QString decodeKept(const char* at) {
  return Windows1252::decode(at + 1, static_cast<unsigned char>(*at));
}
const char* nextKept(const char* at) { return at + 1 + static_cast<unsigned char>(*at); }
}  // namespace

QString PackedFields::text(int record, int field) const {
  const char* at = bytes_.constData() + starts_[record];
  for (int skipped = 0; skipped < slotOf_[field]; ++skipped) at = nextKept(at);
  return decodeKept(at);
}

QList<QString> PackedFields::texts(int record) const {
  QList<QString> texts(layout_.fieldCount());
  const char* at = bytes_.constData() + starts_[record];
  for (int field : fields_) {
    texts[field] = decodeKept(at);
    at = nextKept(at);
  }
  return texts;
}
