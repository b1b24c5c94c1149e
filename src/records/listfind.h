#pragma once

#include <QString>
#include <QStringList>

namespace velinda {

class LineList;

// "Trova" on a list: a new text finds its first line from the top; the same
// text again (letter case A-Z aside) moves on to the next matching line,
// past the end and on from the top. The remembered text lives as long as
// the screen that owns this object.
class ListFind {
 public:
  enum class Outcome { EmptyList, Found, NotFound };
  struct Result {
    Outcome outcome;
    int chosen;  // the line to choose; -1 only for an empty list
  };

  // `chosen` is the line chosen now, -1 for none.
  Result find(const LineList& lines, int chosen, const QString& typed);
  Result find(const QStringList& lines, int chosen, const QString& typed);

  void forget() { remembered_.clear(); }
  QString remembered() const { return remembered_; }

 private:
  QString remembered_;
};

}  // namespace velinda
