#pragma once

#include "export/formats/sheetcontent.h"

namespace velinda {

// An OpenDocument spreadsheet (.ods): a zip package holding the mimetype,
// the manifest and the sheet's content. Every cell is a string cell in a
// text-formatted column; the header row is bold. The content is made a few
// rows at a time while the package is compressed, so that memory stays the
// same whatever the number of rows.
class OdsSheetWriter : public SheetFileWriter {
 public:
  void write(const SheetContent& sheet, QIODevice& out) const override;

  // The document's content.xml, whole, so that it can be checked.
  static QByteArray content(const SheetContent& sheet);
};

}  // namespace velinda
