#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace velinda {

class RecordLayout;
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

// The set filters of one search, ready to test record after record as
// selects() does: each is compared in the code page the records are stored
// in, without making a text of every field it looks at.
class Matcher {
 public:
  Matcher(const RecordLayout& layout, const QList<Filter>& filters);
  bool selects(const TScheda& record) const;

 private:
  struct SetFilter {
    int field;
    QByteArray typed;  // in Windows-1252, A-Z folded to small letters
    bool storable;     // false when the code page cannot hold what was typed
  };
  QList<SetFilter> set_;
};

}  // namespace SearchFilter

}  // namespace velinda
