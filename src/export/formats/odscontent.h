#pragma once

#include <QByteArray>

#include "export/formats/sheetcontent.h"

// The content.xml of an OpenDocument spreadsheet, made a few rows at a time
// as it is read: memory stays the same whatever the number of rows. Every
// cell is a string cell in a text-formatted column; the header row is bold.
class OdsContent {
 public:
  explicit OdsContent(const SheetContent& sheet) : sheet_(sheet) {}

  // Back to the document's start.
  void restart();
  // Up to `size` bytes of the document, 0 once it is all read.
  qint64 read(char* data, qint64 size);

  // The whole document at once, so that it can be checked.
  static QByteArray whole(const SheetContent& sheet);

 private:
  // Writes the next part of the document; false when there is none.
  bool produceMore();

  const SheetContent& sheet_;
  QByteArray held_;  // made and not read yet, from at_ on
  qsizetype at_ = 0;
  int nextRow_ = -1;  // -1 before the header row, rowCount + 1 after the end
};
