#include "export/formats/sheetformats.h"

#include <QFileInfo>

#include "core/replacementfile.h"
#include "export/formats/csvsheetwriter.h"
#include "export/formats/odssheetwriter.h"
#include "export/formats/xlsxsheetwriter.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace SheetFormats {

const QList<SheetFormat>& all() {
  static const OdsSheetWriter ods;
  static const XlsxSheetWriter xlsx;
  static const CsvSheetWriter csv;
  static const QList<SheetFormat> formats{
      {u"Foglio di calcolo OpenDocument, mantiene gli zeri iniziali (*.ods)"_s, u"ods"_s, ods},
      {u"Cartella di lavoro Excel, mantiene gli zeri iniziali (*.xlsx)"_s, u"xlsx"_s, xlsx},
      {u"CSV separato da punto e virgola; il CAP e i codici possono perdere gli zeri "
       "iniziali (*.csv)"_s,
       u"csv"_s, csv},
  };
  return formats;
}

const SheetFormat* forPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix();
  for (const SheetFormat& format : all()) {
    if (suffix.compare(format.extension, Qt::CaseInsensitive) == 0) return &format;
  }
  return nullptr;
}

void save(const SheetFormat& format, const SheetContent& sheet, const QString& path) {
  const QFileInfo target(path);
  // The new file gets the old one's permissions, or those of a plain new
  // file, not the private ones of a temporary file.
  const QFileDevice::Permissions permissions =
      target.exists() ? target.permissions()
                      : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                            QFileDevice::ReadOther;
  try {
    ReplacementFile file(path);
    format.writer.write(sheet, file.device());
    file.setPermissions(permissions);
    file.commit();
  } catch (const FileWriteError& error) {
    throw SheetFileError(error.what());
  }
}

}  // namespace SheetFormats

}  // namespace velinda
