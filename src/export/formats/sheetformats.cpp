#include "export/formats/sheetformats.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>

#include "export/formats/csvsheetwriter.h"
#include "export/formats/odssheetwriter.h"
#include "export/formats/xlsxsheetwriter.h"

using namespace Qt::StringLiterals;

namespace SheetFormats {

const QList<SheetFormat>& all() {
  static const OdsSheetWriter ods;
  static const XlsxSheetWriter xlsx;
  static const CsvSheetWriter csv;
  static const QList<SheetFormat> formats{
      {u"Foglio di calcolo OpenDocument (*.ods)"_s, u"ods"_s, ods},
      {u"Cartella di lavoro Excel (*.xlsx)"_s, u"xlsx"_s, xlsx},
      {u"CSV per Excel, separato da punto e virgola (*.csv)"_s, u"csv"_s, csv},
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
  QTemporaryFile part(target.absolutePath() + u"/."_s + target.fileName() + u".XXXXXX"_s);
  if (!part.open()) throw SheetFileError(part.errorString().toStdString());
  part.close();
  format.writer.write(sheet, part.fileName());
  // The new file gets the old one's permissions, or those of a plain new
  // file, not the private ones of a temporary file.
  const QFileDevice::Permissions permissions =
      target.exists() ? target.permissions()
                      : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ReadGroup | QFileDevice::ReadOther;
  QFile::setPermissions(part.fileName(), permissions);
  std::error_code error;
  std::filesystem::rename(std::filesystem::path(QFile::encodeName(part.fileName()).toStdString()),
                          std::filesystem::path(QFile::encodeName(path).toStdString()), error);
  if (error) throw SheetFileError(error.message());
  part.setAutoRemove(false);
}

}  // namespace SheetFormats
