#pragma once

#include <QList>
#include <QString>

class TScheda;

// The filters of a search screen: each is what the user typed into the box
// tied to one field of the record.
namespace SearchFilter {

struct Filter {
  QString field;
  QString typed;
};

// Blank: nothing but characters of code 32 or less. A blank filter plays no
// part in the search.
bool isBlank(const QString& typed);

// The typed text, not trimmed, occurs in the stored text, with only A-Z
// folded to small letters on both sides.
bool matches(const QString& typed, const QString& stored);

// Every set filter matches its field's stored text (flags by their text,
// "Sì" or "No").
bool selects(const TScheda& record, const QList<Filter>& filters);

int setCount(const QList<Filter>& filters);

}  // namespace SearchFilter
