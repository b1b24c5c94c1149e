#include "archive/recordlayout.h"

RecordLayout::RecordLayout(std::span<const FieldDef> fields)
    : fields_(fields), size_(recordSize(fields)) {
  int offset = 0;
  for (const FieldDef& f : fields_) {
    names_.append(QLatin1StringView(f.name));
    offsets_.append(offset);
    offset += f.capacity + 1;
  }
}

int RecordLayout::indexOf(QStringView name) const {
  for (int i = 0; i < fieldCount(); ++i) {
    // Lengths first: most names differ there, without a call.
    if (names_[i].size() == name.size() && name == names_[i]) return i;
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
