#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velinda {

// The lines of a list, one after another in one piece of memory: a list of
// 100,000 records takes its memory at once (in large pages where the system
// has them, see adviseLargePages), not a piece per line.
class LineList {
 public:
  LineList() = default;
  static LineList fromStringList(const QStringList& lines);

  // Room for `lines` lines of up to `longest` characters each; what is not
  // used costs nothing until then, and squeeze() gives it back.
  void reserve(qsizetype lines, qsizetype longest);
  void squeeze();

  // A line of `length` characters, which `write` writes from the pointer it
  // is given on.
  template <class Write>
  void append(qsizetype length, Write write) {
    const qsizetype start = text_.size();
    starts_.append(start);
    text_.resize(start + length);
    write(reinterpret_cast<char16_t*>(text_.data()) + start);
  }
  void append(QStringView line);

  qsizetype size() const { return starts_.size(); }
  bool isEmpty() const { return starts_.isEmpty(); }
  QStringView at(qsizetype row) const;
  QStringList toStringList() const;

 private:
  QString text_;
  QList<qsizetype> starts_;  // where each line starts in text_; it ends where the next starts
};

}  // namespace velinda
