#include "export/packedfields.h"

#include <algorithm>

#include "archive/recordlayout.h"
#include "archive/tcampofisso.h"
#include "records/largepages.h"

namespace velinda {

PackedFields::PackedFields(const RecordLayout& layout, QList<int> fields)
    : layout_(layout), fields_(std::move(fields)) {
  for (int field : fields_) mostPerRecord_ += 1 + layout.field(field).capacity;
}

void PackedFields::reserve(int records) {
  starts_.reserve(records);
  // Room for the longest records: what they do not take is never touched,
  // and squeeze() gives it back.
  bytes_.reserve(qsizetype(records) * mostPerRecord_);
  adviseLargePages(bytes_.constData(), bytes_.capacity());
}

void PackedFields::squeeze() {
  bytes_.resize(used_);
  bytes_.squeeze();
  starts_.squeeze();
}

void PackedFields::append(const char* record) {
  starts_.append(used_);
  // Room for the longest record; growing by doubling, as a list does.
  if (bytes_.size() < used_ + mostPerRecord_)
    bytes_.resize(qMax(2 * bytes_.size(), used_ + mostPerRecord_));
  char* out = bytes_.data() + used_;
  for (int field : fields_) {
    const QByteArrayView text =
        TCampoFisso::TrimmedBytes(record + layout_.offset(field), layout_.field(field).capacity);
    *out++ = char(text.size());
    out = std::copy(text.begin(), text.end(), out);
  }
  used_ = out - bytes_.constData();
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

}  // namespace velinda
