#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace velinda {

// How a text travels in a CSV file meant for a spreadsheet.
namespace CsvText {

// The text as one field (RFC 4180): between double quotes, with its quotes
// doubled, when it holds the separator, a comma, a tab, a quote, a line
// break or blanks at its ends. Commas and tabs count whatever the
// separator: a spreadsheet opening the file with its own settings (comma,
// semicolon and tab, in LibreOffice) splits fields at them.
QString field(const QString& text, QChar separator);

// The text back from a field of the form ="text" (literals joined by &),
// as spreadsheets and older versions of this program wrote a cell to keep
// it from being read as a number; nothing when the field is not one.
std::optional<QString> fromTextFormula(const QString& field);

}  // namespace CsvText

}  // namespace velinda
