#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <string_view>

#include "core/usererror.h"

class QIODevice;

namespace velinda {

// A table as it is saved: one sheet with a header row and rows of texts.
// Every cell is written as text, so codes keep their leading zeros. The rows
// are asked for one at a time while the file is written, so that a grid of a
// million rows never sits in memory a second time.
struct SheetContent {
  QString name;  // the sheet's name
  QStringList headers;
  QList<int> widths;  // column widths in screen pixels
  int rowCount = 0;
  // The texts of row `row` (0 to rowCount - 1), one per column.
  std::function<QStringList(int row)> row;
  // Told how many rows are written, now and then while the file is written.
  std::function<void(int written)> progress;

  // A sheet whose rows are all at hand already.
  static SheetContent ofRows(const QString& name, const QStringList& headers,
                             const QList<int>& widths, const QList<QStringList>& rows);
};

// The file could not be written: the user is told that the file chosen
// could not be written, the log gets why.
class SheetFileError : public UserError {
 public:
  explicit SheetFileError(std::string_view detail);
};

// One file format of a sheet. The writer writes the whole file to `out`
// from its start and throws SheetFileError when it cannot.
class SheetFileWriter {
 public:
  virtual ~SheetFileWriter() = default;
  virtual void write(const SheetContent& sheet, QIODevice& out) const = 0;
};

}  // namespace velinda
