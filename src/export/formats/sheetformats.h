#pragma once

#include <QList>
#include <QString>

#include "export/formats/sheetcontent.h"

namespace velinda {

// A file format a sheet can be saved in, as the save dialog offers it.
struct SheetFormat {
  QString filter;     // the dialog's entry, e.g. "... (*.ods)"
  QString extension;  // without the dot
  const SheetFileWriter& writer;
};

namespace SheetFormats {

// OpenDocument, Office Open XML and CSV, in that order.
const QList<SheetFormat>& all();

// The format a file name asks for by its extension (any letter case), or
// nullptr when the extension is none of them.
const SheetFormat* forPath(const QString& path);

// Writes the sheet in the format to a new file beside `path` and, once it
// is complete, puts it in place of `path`: a failure leaves whatever was
// there before untouched.
void save(const SheetFormat& format, const SheetContent& sheet, const QString& path);

}  // namespace SheetFormats

}  // namespace velinda
