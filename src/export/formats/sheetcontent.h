#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <stdexcept>

// A table as it is saved: one sheet with a header row and rows of texts.
// Every cell is written as text, so codes keep their leading zeros.
struct SheetContent {
  QString name;             // the sheet's name
  QStringList headers;
  QList<int> widths;        // column widths in screen pixels
  QList<QStringList> rows;  // one text per column
};

// The file could not be written; the text says why, for diagnosis only.
class SheetFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One file format of a sheet. The writer replaces whatever is at `path`
// and throws SheetFileError when it cannot.
class SheetFileWriter {
 public:
  virtual ~SheetFileWriter() = default;
  virtual void write(const SheetContent& sheet, const QString& path) const = 0;
};
