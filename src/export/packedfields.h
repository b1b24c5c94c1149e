#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QVarLengthArray>

namespace velinda {

class RecordLayout;

// Chosen fields of many records, kept as their trimmed Windows-1252 bytes
// packed one after another: what an export grid keeps of an archive, a
// fraction of the archive's size, decoded only when a cell is shown or
// written.
class PackedFields {
 public:
  // `fields` are indexes into `layout`, each kept once.
  PackedFields(const RecordLayout& layout, QList<int> fields);

  // Room for so many records, asked for at once; squeeze() gives back what
  // they did not take.
  void reserve(int records);
  void squeeze();
  // Keeps the chosen fields of one record's bytes.
  void append(const char* record);

  int count() const { return int(starts_.size()); }

  // A record's kept fields as TCampoFisso::TrimmedBytes gives them, at their
  // fields' indexes in the layout (the others empty). Valid while this
  // object lives and takes no more records.
  using Fields = QVarLengthArray<QByteArrayView, 64>;
  Fields fields(int record) const;

 private:
  const RecordLayout& layout_;
  QList<int> fields_;
  qsizetype mostPerRecord_ = 0;
  QByteArray bytes_;         // per record, per kept field: a length byte, then the text
  qsizetype used_ = 0;       // how much of bytes_ holds records
  QList<qsizetype> starts_;  // where each record begins in bytes_
};

}  // namespace velinda
