#include "export/gridsheet.h"

#include "core/text.h"
#include "export/exportgridmodel.h"

namespace velinda {

SheetContent gridSheet(const ExportGridModel& grid, const ExportTable& table) {
  SheetContent sheet{table.worksheetName, {}, {}, grid.rowCount(), {}, {}};
  for (int c = 1; c < grid.columnCount(); ++c) sheet.headers.append(grid.header(c));
  for (const ExportColumn& column : table.columns) sheet.widths.append(column.exportWidth);
  sheet.row = [&grid](int row) {
    QStringList cells = grid.exportedRow(row);
    for (QString& cell : cells) cell = Text::trimmed(cell);
    return cells;
  };
  return sheet;
}

}  // namespace velinda
