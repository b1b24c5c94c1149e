#include "contactimport/contacttable.h"

namespace velinda {

namespace {

// Most values are plain ASCII, copied byte for byte without a converter.
void appendUtf8(QByteArray& out, QStringView text) {
  const qsizetype at = out.size();
  out.resize(at + text.size());
  char* to = out.data() + at;
  for (QChar c : text) {
    if (c.unicode() >= 0x80) {
      out.resize(at);
      out += text.toUtf8();
      return;
    }
    *to++ = char(c.unicode());
  }
}

}  // namespace

ContactRow ContactRows::at(qsizetype i) const {
  const size_t first = rows_[size_t(i)].firstValue;
  const size_t last =
      size_t(i) + 1 < rows_.size() ? rows_[size_t(i) + 1].firstValue : values_.size();
  ContactRow row;
  row.reserve(qsizetype(last - first));
  for (size_t v = first; v < last; ++v) {
    const quint32 start = valueStart(v);
    row.append({names_[values_[v].name],
                QString::fromUtf8(text_.constData() + start, values_[v].end - start)});
  }
  return row;
}

QString ContactRows::valueOf(qsizetype i, const QString& name) const {
  const auto number = numbers_.constFind(name);
  if (number == numbers_.constEnd()) return {};
  const size_t first = rows_[size_t(i)].firstValue;
  const size_t last =
      size_t(i) + 1 < rows_.size() ? rows_[size_t(i) + 1].firstValue : values_.size();
  for (size_t v = first; v < last; ++v) {
    if (values_[v].name != quint32(*number)) continue;
    const quint32 start = valueStart(v);
    return QString::fromUtf8(text_.constData() + start, values_[v].end - start);
  }
  return {};
}

QStringList ContactRows::firstValues() const {
  QStringList out(names_.size());
  QList<bool> found(names_.size(), false);
  qsizetype missing = names_.size();
  for (size_t v = 0; v < values_.size() && missing > 0; ++v) {
    const quint32 name = values_[v].name;
    if (found[name]) continue;
    const quint32 start = valueStart(v);
    out[name] = QString::fromUtf8(text_.constData() + start, values_[v].end - start);
    if (!out[name].trimmed().isEmpty()) {
      found[name] = true;
      --missing;
    }
  }
  return out;
}

int ContactRows::nameIndex(const QString& name) {
  const auto found = numbers_.constFind(name);
  if (found != numbers_.constEnd()) return *found;
  const int number = int(names_.size());
  names_.append(name);
  numbers_.insert(name, number);
  return number;
}

void ContactRows::startRow(const RowOrigin& origin) {
  rows_.push_back({quint32(values_.size()), origin});
}

void ContactRows::add(int name, QStringView value) {
  if (value.isEmpty()) return;
  appendUtf8(text_, value);
  values_.push_back({quint32(text_.size()), quint32(name)});
}

void ContactRows::append(const ContactRow& row, const RowOrigin& origin) {
  startRow(origin);
  for (const NamedValue& v : row) add(nameIndex(v.name), v.value);
}

void ContactRows::reserveScaled(double factor) {
  // A little more than the estimate, as the lines of a file vary.
  const double room = factor * 1.03;
  text_.reserve(qsizetype(double(text_.size()) * room) + 4096);
  values_.reserve(size_t(double(values_.size()) * room) + 256);
  rows_.reserve(size_t(double(rows_.size()) * room) + 16);
}

void ContactRows::squeeze() {
  // Squeezing copies; worth it only for much room left unused.
  auto wasteful = [](size_t size, size_t capacity) { return capacity > size + size / 4 + 4096; };
  if (wasteful(size_t(text_.size()), size_t(text_.capacity()))) text_.squeeze();
  if (wasteful(values_.size(), values_.capacity())) values_.shrink_to_fit();
  if (wasteful(rows_.size(), rows_.capacity())) rows_.shrink_to_fit();
}

qsizetype ContactRows::memoryBytes() const {
  return text_.capacity() + qsizetype(values_.capacity() * sizeof(Value)) +
         qsizetype(rows_.capacity() * sizeof(Row));
}

}  // namespace velinda
