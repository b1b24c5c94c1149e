#include "export/exportcolumn.h"

#include "archive/tscheda.h"

namespace velinda {

using namespace Qt::StringLiterals;

CellRule CellRule::field(const QString& name) { return {{name}, {}}; }

CellRule CellRule::numbered(const QString& prefix, int count) {
  CellRule rule;
  for (int n = 1; n <= count; ++n)
    rule.fields.append(prefix + QString::number(n).rightJustified(2, u'0'));
  return rule;
}

CellRule CellRule::withBlank(const QString& first, const QString& second) {
  return {{first, second}, u" "_s};
}

QString cellText(const CellRule& rule, const TScheda& record) {
  QStringList parts;
  parts.reserve(rule.fields.size());
  for (const QString& name : rule.fields) parts.append(record.text(name));
  return parts.join(rule.separator);
}

QStringList rowCells(const QList<ExportColumn>& columns, const TScheda& record) {
  QStringList cells;
  cells.reserve(columns.size());
  for (const ExportColumn& column : columns) cells.append(cellText(column.cell, record));
  return cells;
}

}  // namespace velinda
