#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <stdexcept>

#include "export/exportcolumn.h"

class QIODevice;

// The device refused a piece of the document.
class SpreadsheetWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes a spreadsheet as the HTML table an office suite opens as one
// worksheet, in Windows-1252. Each piece goes to the device as soon as it
// is produced, so a large archive never sits in memory twice; whatever was
// written before a failure stays where it is. Cell texts are written as they
// are: an office suite reads "&" and "<" inside a cell literally.
class SpreadsheetWriter {
 public:
  explicit SpreadsheetWriter(QIODevice& device) : device_(device) {}

  // Everything up to and including the header row.
  void writeStart(const QString& worksheetName, const QList<ExportColumn>& columns);
  // One data row; each text is trimmed.
  void writeRow(const QStringList& cells);
  void writeEnd();

 private:
  void put(const QString& piece);

  QIODevice& device_;
};
