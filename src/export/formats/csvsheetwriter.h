#pragma once

#include "export/formats/sheetcontent.h"

namespace velinda {

// CSV as Italian Excel opens it with a double click: UTF-8 with a byte-order
// mark, fields separated by semicolons, lines ended by CR LF, quoted as
// RFC 4180 says and nothing more. A spreadsheet reads a cell that looks like
// a number as one ("00184" becomes 184): the .ods and .xlsx files keep such
// cells as text.
class CsvSheetWriter : public SheetFileWriter {
 public:
  static constexpr char16_t kSeparator = u';';
  void write(const SheetContent& sheet, QIODevice& out) const override;
};

}  // namespace velinda
