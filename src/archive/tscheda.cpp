#include "archive/tscheda.h"

#include "core/unknownname.h"

namespace velinda {

TScheda::TScheda(const RecordLayout& layout) : layout_(&layout), bytes_(layout.size(), '\0') {}

int TScheda::indexOf(QStringView name) const {
  return NameLookup::requireIndex(layout_->indexOf(name), u"record", name);
}

TCampoFisso TScheda::field(int index) {
  return TCampoFisso(bytes_.data() + layout_->offset(index), layout_->field(index).capacity);
}

QString TScheda::text(int index) const {
  return TCampoFisso::ToText(bytes_.constData() + layout_->offset(index),
                             layout_->field(index).capacity);
}

std::optional<bool> TScheda::flag(int index) const {
  return TCampoFisso::ToFlag(bytes_.constData() + layout_->offset(index),
                             layout_->field(index).capacity);
}

QStringList TScheda::texts() const {
  QStringList all;
  for (int i = 0; i < layout_->fieldCount(); ++i) all << text(i);
  return all;
}

QString TScheda::text(QStringView name) const { return text(indexOf(name)); }

std::optional<bool> TScheda::flag(QStringView name) const { return flag(indexOf(name)); }

void TScheda::setText(QStringView name, const QString& text) {
  field(indexOf(name)).FromText(text);
}

void TScheda::setFlag(QStringView name, bool checked) { field(indexOf(name)).FromFlag(checked); }

}  // namespace velinda
