#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace velinda {

class TScheda;

// How a grid cell is made from a record: the named fields, each trimmed,
// joined by `separator` (nothing, or one blank between street and number).
struct CellRule {
  QStringList fields;
  QString separator;

  static CellRule field(const QString& name);
  // `prefix` followed by 01, 02, ... up to `count`, joined without separator.
  static CellRule numbered(const QString& prefix, int count);
  static CellRule withBlank(const QString& first, const QString& second);
};

// One column of an export grid and of the spreadsheet it writes.
struct ExportColumn {
  QString gridName;  // the column's name, e.g. "colCapDes"
  QString gridHeader;
  int gridWidth;
  bool editable;
  CellRule cell;
  QString exportHeader;
  int exportWidth;
};

// The text of one cell of a record.
QString cellText(const CellRule& rule, const TScheda& record);

// The cells of one record, one per column in order.
QStringList rowCells(const QList<ExportColumn>& columns, const TScheda& record);

}  // namespace velinda
