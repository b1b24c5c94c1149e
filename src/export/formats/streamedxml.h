#pragma once

#include <QByteArray>
#include <QStringList>

#include "export/formats/sheetcontent.h"

namespace velinda {

// An XML document of a sheet, made a few rows at a time as it is read:
// memory stays the same whatever the number of rows. A format gives its
// start, its rows (the header row first) and its end.
class StreamedXml {
 public:
  explicit StreamedXml(const SheetContent& sheet) : sheet_(sheet) {}
  virtual ~StreamedXml() = default;
  StreamedXml(const StreamedXml&) = delete;
  StreamedXml& operator=(const StreamedXml&) = delete;

  // Back to the document's start.
  void restart();
  // Up to `size` bytes of the document, 0 once it is all read.
  qint64 read(char* data, qint64 size);
  // The rest of the document at once, so that it can be checked.
  QByteArray readAll();

 protected:
  const SheetContent& sheet() const { return sheet_; }

  virtual void putStart(QByteArray& out) const = 0;
  // Row `number` counts from 0 for the header row.
  virtual void putRow(const QStringList& cells, int number, QByteArray& out) const = 0;
  virtual void putEnd(QByteArray& out) const = 0;

 private:
  // Makes the next part of the document; false when there is none.
  bool produceMore();

  const SheetContent& sheet_;
  QByteArray held_;  // made and not read yet, from at_ on
  qsizetype at_ = 0;
  int nextRow_ = -1;  // -1 before the header row, rowCount + 1 after the end
};

}  // namespace velinda
