#include "core/formtexts.h"

#include "core/text.h"
#include "core/unknownname.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kWhere = u"form texts"_s;

}  // namespace

void FormControls::addText(const QString& name) {
  if (!texts.contains(name)) texts << name;
}

void FormControls::addTick(const QString& name) {
  if (!ticks.contains(name)) ticks << name;
}

FormControls& FormControls::operator+=(const FormControls& other) {
  for (const QString& name : other.texts) addText(name);
  for (const QString& name : other.ticks) addTick(name);
  return *this;
}

void FormTexts::setText(const QString& name, const QString& text) {
  texts_.insert(name, Text::trimmed(text));
}

void FormTexts::setTicked(const QString& name, bool ticked) { ticks_.insert(name, ticked); }

QString FormTexts::text(const QString& name) const {
  const auto found = texts_.constFind(name);
  if (found == texts_.cend()) throw UnknownName(kWhere, name);
  return *found;
}

bool FormTexts::ticked(const QString& name) const {
  const auto found = ticks_.constFind(name);
  if (found == ticks_.cend()) throw UnknownName(kWhere, name);
  return *found;
}

void FormTexts::require(const FormControls& controls) const {
  for (const QString& name : controls.texts) text(name);
  for (const QString& name : controls.ticks) ticked(name);
}

}  // namespace velinda
