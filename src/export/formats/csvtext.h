#pragma once

#include <QChar>
#include <QString>
#include <optional>

// How a text travels in a CSV file meant for a spreadsheet.
namespace CsvText {

// The text as one field: between double quotes, with its quotes doubled,
// when it holds the separator, a quote, a line break or blanks at its ends.
QString field(const QString& text, QChar separator);

// True when a spreadsheet opening the file would read the text as a number,
// date, time or formula rather than as text: "00100" would lose its zeros,
// "+39 06 1234" its plus sign, "12,50" its last zero.
bool readAsNumber(const QString& text);

// ="text": the formula spreadsheets show as the text itself. Literals are
// cut every 255 characters (the longest a formula accepts) and joined by &.
QString textFormula(const QString& text);

// The text back from a formula made by textFormula, or nothing when the
// field is not one.
std::optional<QString> fromTextFormula(const QString& field);

}  // namespace CsvText
