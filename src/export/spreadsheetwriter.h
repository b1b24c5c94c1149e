#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <stdexcept>

#include "export/exportcolumn.h"

class QIODevice;

namespace velinda {

// The device refused a piece of the document.
class SpreadsheetWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes a spreadsheet as the HTML table an office suite opens as one
// worksheet, in Windows-1252. Each piece goes to the device as soon as it is
// produced, except that the rows' millions of small pieces are gathered into
// blocks of some 64 KB first; a large archive never sits in memory twice,
// and whatever was written before a failure stays where it is. Texts are
// escaped ("&", "<" and ">"), and every data cell is text to the office
// suite, so that no leading zero is lost.
class SpreadsheetWriter {
 public:
  explicit SpreadsheetWriter(QIODevice& device);
  // Hands the device what was produced even when the document stopped
  // halfway.
  ~SpreadsheetWriter();

  // Everything up to and including the header row.
  void writeStart(const QString& worksheetName, const QList<ExportColumn>& columns);
  // One data row; each text is trimmed.
  void writeRow(const QStringList& cells);
  // The end of the document, then everything still held goes to the device.
  void writeEnd();

 private:
  void put(QStringView piece);
  void handOver();

  QIODevice& device_;
  QByteArray block_;
  qsizetype used_ = 0;  // how much of block_ holds the document
  bool inRow_ = false;
};

}  // namespace velinda
