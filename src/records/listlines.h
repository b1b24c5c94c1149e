#pragma once

#include <QString>

class TScheda;

// The fixed-width lines that stand for a record in every list. A line is
// all a list keeps of its record: the record is found again by rebuilding
// the line of every record and comparing.
namespace ListLines {

// Which line a list shows, and for address-book cards what ends it.
enum class LineKind {
  Receipt,             // acceptance and return receipts alike
  CardEndingQuestioni, // the list of pending matters
  CardEndingNote,      // the address-book search and import
};

// The text padded with blanks, or cut, to exactly `width` characters.
QString fitted(const QString& text, int width);

// "Data: " date "  Da: " sender "  A: " recipient "  Contenuto: " contents.
QString receiptLine(const TScheda& record);

// Name, tax code, telephone and mobile in columns, then the tail.
QString cardLine(const TScheda& record, LineKind tail);

QString lineOf(const TScheda& record, LineKind kind);

}  // namespace ListLines
