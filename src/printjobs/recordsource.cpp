#include "printjobs/recordsource.h"

#include "archive/tscheda.h"

namespace {
// The field a control shows: its name without the three-letter prefix.
QStringView fieldOf(const QString& control) { return QStringView(control).mid(3); }
}  // namespace

QString RecordSource::text(const QString& name) const { return record_.text(fieldOf(name)); }

bool RecordSource::ticked(const QString& name) const {
  return record_.flag(fieldOf(name)).value_or(false);
}
