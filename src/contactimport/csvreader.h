#pragma once

#include <QChar>
#include <QList>
#include <QStringList>

#include "contactimport/contactreader.h"

// A CSV file as Excel, LibreOffice, Outlook and Google Contacts save it:
// the first record names the columns; fields are separated by semicolons,
// commas or tabs, whichever the header uses most (or as a first line
// "sep=;" says), and quoted as RFC 4180 says, line breaks inside quotes
// included. A field Excel wrote as the formula ="00100" reads as its text.
class CsvReader : public ContactReader {
 public:
  ContactTable read(const QString& text) const override;
};

namespace Csv {

// The separator of the header line, or a null character when the header
// has none (one column).
QChar detectSeparator(QStringView text);

// The records of the text. A quote left open at the end of the file throws
// ContactFileError naming the line where it opened.
QList<QStringList> records(QStringView text, QChar separator);

}  // namespace Csv
