#include "export/packedfields.h"

#include <algorithm>

#include "archive/recordlayout.h"
#include "archive/tcampofisso.h"

PackedFields::PackedFields(const RecordLayout& layout, QList<int> fields)
    : layout_(layout), fields_(std::move(fields)) {
  for (int field : fields_) mostPerRecord_ += 1 + layout.field(field).capacity;
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

PackedFields::Fields PackedFields::fields(int record) const {
  Fields kept(layout_.fieldCount());
  const char* at = bytes_.constData() + starts_[record];
  for (int field : fields_) {
    const auto length = static_cast<unsigned char>(*at);
    kept[field] = QByteArrayView(at + 1, length);
    at += 1 + length;
  }
  return kept;
}
