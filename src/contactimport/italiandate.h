#pragma once

#include <QString>

namespace velinda {

// Dates as files write them, in the program's form dd/mm/yyyy: ISO dates
// (vCard, Google), dotted, dashed or slashed Italian ones, and slashed ones
// that can only be month/day/year ("5/17/1980", as Outlook in English
// writes them); a date without its year keeps dd/mm; Outlook's 0/0/00 is no
// date; anything else stays as written.
QString italianDate(const QString& text);

// A birth date kept in three columns (Thunderbird's): "17/05/1980", "17/05"
// without the year; the year alone when the day or the month is missing or
// is no day or month; empty when nothing is left.
QString dateFromParts(const QString& day, const QString& month, const QString& year);

}  // namespace velinda
