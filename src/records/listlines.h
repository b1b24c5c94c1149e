#pragma once

#include <QString>

namespace velinda {

class LineList;
class RecordLayout;
class TScheda;

// The fixed-width lines that stand for a record in every list. A line is
// all a list keeps of its record: the record is found again by rebuilding
// the line of every record and comparing.
namespace ListLines {

// Which line a list shows, and for address-book cards what ends it.
enum class LineKind {
  Receipt,              // acceptance and return receipts alike
  CardEndingQuestioni,  // the list of pending matters
  CardEndingNote,       // the address-book search and import
};

// The text padded with blanks, or cut, to exactly `width` characters.
QString fitted(const QString& text, int width);

// "Data: " date "  Da: " sender "  A: " recipient "  Contenuto: " contents.
QString receiptLine(const TScheda& record);

// Name, tax code, telephone and mobile in columns, then the tail.
QString cardLine(const TScheda& record, LineKind tail);

QString lineOf(const TScheda& record, LineKind kind);

// Makes the lines of one kind for the records of one layout: what a list
// does for every record of an archive, so it finds its fields once and
// makes each line in one piece.
class LineMaker {
 public:
  LineMaker(const RecordLayout& layout, LineKind kind);
  QString lineOf(const TScheda& record) const;
  void appendTo(const TScheda& record, LineList& lines) const;
  // The most characters a line can take.
  qsizetype longest() const { return longest_; }

 private:
  // Writes the line at `out`, which has room for `length` characters; the
  // last column's text is already in `tail`.
  void write(const TScheda& record, const char16_t* tail, qsizetype tailLength,
             char16_t* out) const;
  qsizetype fixedLength() const;

  // A column of the line: fixed text, then a field fitted to a width (-1:
  // the last, as long as it is).
  struct Column {
    const char16_t* before;
    int field;
    int width;  // -1: the field's whole text
  };
  static constexpr int kColumns = 5;
  Column columns_[kColumns];
  int count_ = 0;
  qsizetype longest_ = 0;
};

}  // namespace ListLines

}  // namespace velinda
