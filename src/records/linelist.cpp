#include "records/linelist.h"

#include <algorithm>

#include "records/largepages.h"

namespace velinda {

LineList LineList::fromStringList(const QStringList& lines) {
  LineList list;
  for (const QString& line : lines) list.append(line);
  return list;
}

void LineList::reserve(qsizetype lines, qsizetype longest) {
  starts_.reserve(lines);
  text_.reserve(lines * longest);
  adviseLargePages(text_.constData(), text_.capacity() * qsizetype(sizeof(QChar)));
}

void LineList::squeeze() {
  text_.squeeze();
  starts_.squeeze();
}

void LineList::append(QStringView line) {
  append(line.size(),
         [line](char16_t* out) { std::copy(line.utf16(), line.utf16() + line.size(), out); });
}

QStringView LineList::at(qsizetype row) const {
  const qsizetype start = starts_.at(row);
  const qsizetype end = row + 1 < starts_.size() ? starts_.at(row + 1) : text_.size();
  return QStringView(text_).mid(start, end - start);
}

QStringList LineList::toStringList() const {
  QStringList lines;
  lines.reserve(size());
  for (qsizetype row = 0; row < size(); ++row) lines.append(at(row).toString());
  return lines;
}

}  // namespace velinda
