#pragma once

#include "export/formats/sheetcontent.h"

// An Office Open XML workbook (.xlsx), written by libxlsxwriter: one sheet,
// a bold header row, every cell a string in a text-formatted column.
class XlsxSheetWriter : public SheetFileWriter {
 public:
  void write(const SheetContent& sheet, const QString& path) const override;
};
