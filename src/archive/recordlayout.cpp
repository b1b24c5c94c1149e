#include "archive/recordlayout.h"

#include "core/controlname.h"

namespace velinda {

RecordLayout::RecordLayout(std::span<const FieldDef> fields)
    : fields_(fields), size_(recordSize(fields)) {
  int offset = 0;
  for (const FieldDef& f : fields_) {
    names_.append(QString::fromLatin1(f.name));
    offsets_.append(offset);
    offset += f.capacity + 1;
  }
  for (int i = 0; i < fieldCount(); ++i) indexByName_.emplace(view(names_[i]), i);
}

std::u16string_view RecordLayout::view(QStringView name) {
  return {name.utf16(), size_t(name.size())};
}

int RecordLayout::indexOf(QStringView name) const {
  const auto found = indexByName_.find(view(name));
  return found == indexByName_.end() ? -1 : found->second;
}

QString RecordLayout::controlName(int index) const {
  switch (field(index).kind) {
    case FieldKind::Flag:
      return ControlName::make(u"chk", name(index));
    case FieldKind::Attachment:
      return ControlName::make(u"lbl", name(index));
    case FieldKind::Text:
      break;
  }
  return ControlName::make(u"txt", name(index));
}

}  // namespace velinda
