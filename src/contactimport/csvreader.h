#pragma once

#include <QChar>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "contactimport/contactreader.h"

namespace velinda {

class LabelledColumns;

namespace Csv {

// The separator of the header line, or a null character when the header
// has none (one column).
QChar detectSeparator(QStringView text);

// Cuts CSV text into records as it comes, a piece at a time: fields
// separated by `separator` and quoted as RFC 4180 says, line breaks inside
// quotes included.
class RecordCutter {
 public:
  // Hears each record and the line where it begins; the fields may be
  // taken away.
  using Sink = std::function<void(QStringList& fields, int line)>;

  // A record with more than `mostFields` fields (when not 0) throws
  // ContactFileError as soon as it is met, whatever its length.
  RecordCutter(QChar separator, int mostFields, Sink sink, int firstLine = 1);
  void add(QStringView text);
  // A quote left open at the end of the file throws ContactFileError naming
  // the line where it opened.
  void finish();

 private:
  void addOne(QChar c);
  void endField();
  void endRecord();

  QChar separator_;
  int mostFields_;
  Sink sink_;
  QStringList record_;
  QString field_;
  bool quoted_ = false;
  bool wasQuoted_ = false;  // the field began with a quote
  bool quoteMayClose_ = false;
  bool afterCarriageReturn_ = false;
  int line_ = 1;
  int recordLine_ = 1;
  int quoteLine_ = 0;
};

// The records of the whole text.
QList<QStringList> records(QStringView text, QChar separator);

// The names of the header's columns, each one unique and none empty:
// "Colonna 3" for an empty one, "Telefono (2)" for the second "Telefono".
QStringList columnNames(const QStringList& header);

}  // namespace Csv

// A CSV file as Excel, LibreOffice, Outlook and Google Contacts save it:
// the first record names the columns; fields are separated by semicolons,
// commas or tabs, whichever the header uses most (or as a first line
// "sep=;" says). A field Excel wrote as the formula ="00100" reads as its
// text. A line with more or fewer values than the header names is kept,
// marked as a misfit. A file with more than kMostColumns columns is no
// list of contacts and is refused.
class CsvReader : public ContactReader {
 public:
  static constexpr int kMostColumns = 500;

  CsvReader();
  ~CsvReader() override;
  void add(QStringView text) override;
  ContactTable finish() override;

 private:
  bool headerIsWhole();
  void startRecords(QChar separator, int firstLine);
  void takeRecord(QStringList& fields, int line);

  QString headerText_;  // the text until the header is whole
  qsizetype headerLooked_ = 0;
  bool headerQuoted_ = false;
  bool headerContent_ = false;
  QChar separator_;
  std::optional<Csv::RecordCutter> cutter_;
  QStringList names_;
  QList<int> numbers_;   // the number of each column's name among the contacts'
  QList<bool> unnamed_;  // columns the header leaves without a name
  std::unique_ptr<LabelledColumns> labelled_;
};

}  // namespace velinda
