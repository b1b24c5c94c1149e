#pragma once

#include <QList>
#include <QString>
#include <span>
#include <string_view>
#include <unordered_map>

namespace velinda {

// How a field reaches the screen: a text box ("txt"), a check box saved as a
// yes/no flag ("chk"), or a hidden label holding an attachment ("lbl").
enum class FieldKind { Text, Flag, Attachment };

struct FieldDef {
  const char* name;
  int capacity;
  FieldKind kind = FieldKind::Text;
};

// Bytes of a record made of these fields: each is a length byte plus its
// capacity, back to back.
constexpr int recordSize(std::span<const FieldDef> fields) {
  int size = 0;
  for (const FieldDef& f : fields) size += f.capacity + 1;
  return size;
}

// A record layout: the table of its fields, from which every offset is
// computed. Nothing else in the program knows an offset.
class RecordLayout {
 public:
  explicit RecordLayout(std::span<const FieldDef> fields);

  int size() const { return size_; }
  int fieldCount() const { return int(fields_.size()); }
  const FieldDef& field(int index) const { return fields_[size_t(index)]; }
  int offset(int index) const { return offsets_[index]; }
  QString name(int index) const { return names_[index]; }

  // -1 when the layout has no field of that name.
  int indexOf(QStringView name) const;

  // The screen control that shows the field: "txt", "chk" or "lbl" followed
  // by the field's name.
  QString controlName(int index) const;

 private:
  static std::u16string_view view(QStringView name);

  std::span<const FieldDef> fields_;
  // For the lookups by name, which lists do for every line they build.
  QList<QString> names_;
  std::unordered_map<std::u16string_view, int> indexByName_;  // views of names_
  QList<int> offsets_;
  int size_ = 0;
};

}  // namespace velinda
