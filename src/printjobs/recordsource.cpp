#include "printjobs/recordsource.h"

#include "archive/tscheda.h"
#include "core/controlname.h"

QString RecordSource::text(const QString& name) const { return record_.text(ControlName::stem(name)); }

bool RecordSource::ticked(const QString& name) const {
  return record_.flag(ControlName::stem(name)).value_or(false);
}
