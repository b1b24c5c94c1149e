#pragma once

#include "export/formats/sheetcontent.h"

namespace velinda {

class ExportGridModel;
struct ExportTable;

// What "Salva come..." saves of an export grid: the grid as the user sees
// it, without the row numbers -- the column headers and every cell's text,
// edited or not, trimmed as the spreadsheet file has it. Each row is made
// from the grid when the file needs it, so the grid must outlive the sheet.
SheetContent gridSheet(const ExportGridModel& grid, const ExportTable& table);

}  // namespace velinda
