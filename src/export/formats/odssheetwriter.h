#pragma once

#include "export/formats/sheetcontent.h"

// An OpenDocument spreadsheet (.ods): a zip package holding the mimetype,
// the manifest and the sheet's content. Every cell is a string cell in a
// text-formatted column; the header row is bold.
class OdsSheetWriter : public SheetFileWriter {
 public:
  void write(const SheetContent& sheet, const QString& path) const override;

  // The document's content.xml, apart so that it can be checked.
  static QByteArray content(const SheetContent& sheet);
};
