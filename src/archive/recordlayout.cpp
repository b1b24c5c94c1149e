#include "archive/recordlayout.h"

RecordLayout::RecordLayout(std::span<const FieldDef> fields)
    : fields_(fields), size_(recordSize(fields)) {
  int offset = 0;
  for (const FieldDef& f : fields_) {
    offsets_.append(offset);
    offset += f.capacity + 1;
  }
}

int RecordLayout::indexOf(QStringView name) const {
  for (int i = 0; i < fieldCount(); ++i) {
    if (name == QLatin1StringView(fields_[size_t(i)].name)) return i;
  }
  return -1;
}

QString RecordLayout::controlName(int index) const {
  switch (field(index).kind) {
    case FieldKind::Flag:
      return u"chk"_qs + name(index);
    case FieldKind::Attachment:
      return u"lbl"_qs + name(index);
    case FieldKind::Text:
      break;
  }
  return u"txt"_qs + name(index);
}
