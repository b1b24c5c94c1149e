#pragma once

#include "export/formats/sheetcontent.h"

namespace velinda {

// An Office Open XML workbook (.xlsx): one sheet, a bold header row, every
// cell a string in a text-formatted column, kept in the sheet itself (not
// in a table of shared strings), the sheet streamed into the zip as it is
// made, so that memory stays the same whatever the number of rows.
class XlsxSheetWriter : public SheetFileWriter {
 public:
  void write(const SheetContent& sheet, QIODevice& out) const override;
};

}  // namespace velinda
