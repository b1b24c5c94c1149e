#pragma once

#include "export/formats/sheetcontent.h"

// CSV as Italian Excel opens it with a double click: UTF-8 with a byte-order
// mark, fields separated by semicolons, lines ended by CR LF, quoted as
// RFC 4180 says. A cell a spreadsheet would turn into a number is written as
// a text formula, so that it shows exactly as in the grid.
class CsvSheetWriter : public SheetFileWriter {
 public:
  static constexpr char16_t kSeparator = u';';
  void write(const SheetContent& sheet, const QString& path) const override;
};
