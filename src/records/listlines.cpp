#include "records/listlines.h"

#include <algorithm>
#include <iterator>
#include <span>

#include "archive/tcampofisso.h"
#include "archive/tscheda.h"
#include "core/unknownname.h"
#include "core/windows1252.h"
#include "records/linelist.h"

namespace velinda {

namespace {

// The line breaks a record's text may hold in Windows-1252 (an older or a
// foreign archive): each becomes one blank, CR LF too, so that the record's
// line is not split in two -- as Text::oneLine does.
bool isBreak(char16_t c) { return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f'; }

// A field's text as a list shows it: trimmed, each line break one blank.
// `out` has room for the longest field; returns where the text ends.
char16_t* fieldText(const TScheda& record, int field, char16_t* out) {
  const RecordLayout& layout = record.layout();
  const QByteArrayView bytes = TCampoFisso::TrimmedBytes(
      record.bytes().constData() + layout.offset(field), layout.field(field).capacity);
  char16_t* const start = out;
  char16_t* const end = Windows1252::decodeTo(bytes.data(), bytes.size(), out);
  if (std::none_of(start, end, isBreak)) return end;
  char16_t* kept = start;
  for (const char16_t* c = start; c < end; ++c) {
    if (*c == u'\r' && c + 1 < end && c[1] == u'\n') continue;  // its LF makes the blank
    *kept++ = isBreak(*c) ? u' ' : *c;
  }
  return kept;
}

// The columns of each line: fixed text, then a field fitted to a width (-1:
// the last field, as long as it is).
struct ColumnDef {
  const char16_t* before;
  const char16_t* field;
  int width;
};
constexpr ColumnDef kReceipt[] = {{u"Data: ", u"Data", 10},
                                  {u"  Da: ", u"Mittente", 30},
                                  {u"  A: ", u"Destinatario", 30},
                                  {u"  Contenuto: ", u"Contenuto", -1}};
constexpr ColumnDef kCardEndingQuestioni[] = {{u"", u"Nome", 28},
                                              {u"  CF: ", u"CodFisc", 16},
                                              {u"  Tel. ", u"Tel", 15},
                                              {u"  Cel. ", u"Cel", 15},
                                              {u"  ", u"Questioni", -1}};
constexpr ColumnDef kCardEndingNote[] = {{u"", u"Nome", 28},
                                         {u"  CF: ", u"CodFisc", 16},
                                         {u"  Tel. ", u"Tel", 15},
                                         {u"  Cel. ", u"Cel", 15},
                                         {u"  Note: ", u"Note", -1}};

std::span<const ColumnDef> columnsOf(ListLines::LineKind kind) {
  switch (kind) {
    case ListLines::LineKind::Receipt:
      return kReceipt;
    case ListLines::LineKind::CardEndingQuestioni:
      return kCardEndingQuestioni;
    case ListLines::LineKind::CardEndingNote:
      return kCardEndingNote;
  }
  return kReceipt;
}

int indexIn(const RecordLayout& layout, QStringView name) {
  return NameLookup::requireIndex(layout.indexOf(name), u"list line", name);
}

}  // namespace

namespace ListLines {

QString fitted(const QString& text, int width) {
  QString out(width, u' ');
  std::copy_n(text.constData(), qMin(text.size(), qsizetype(width)), out.data());
  return out;
}

LineMaker::LineMaker(const RecordLayout& layout, LineKind kind) {
  for (const ColumnDef& def : columnsOf(kind))
    columns_[count_++] = {def.before, indexIn(layout, def.field), def.width};
  // A line break never makes a text longer.
  longest_ = fixedLength() + layout.field(columns_[count_ - 1].field).capacity;
}

qsizetype LineMaker::fixedLength() const {
  qsizetype length = 0;
  for (int c = 0; c < count_; ++c)
    length += std::char_traits<char16_t>::length(columns_[c].before) + qMax(columns_[c].width, 0);
  return length;
}

void LineMaker::write(const TScheda& record, const char16_t* tail, qsizetype tailLength,
                      char16_t* out) const {
  char16_t text[256];
  for (int c = 0; c < count_; ++c) {
    const Column& column = columns_[c];
    out = std::copy_n(column.before, std::char_traits<char16_t>::length(column.before), out);
    if (column.width < 0) {
      out = std::copy_n(tail, tailLength, out);
      continue;
    }
    const qsizetype shown =
        qMin<qsizetype>(fieldText(record, column.field, text) - text, column.width);
    out = std::copy_n(text, shown, out);
    out = std::fill_n(out, column.width - shown, u' ');
  }
}

// The last column alone has no fixed width: its text comes first, so that
// the line is made at its exact length, in one piece.
QString LineMaker::lineOf(const TScheda& record) const {
  char16_t tail[256];
  const qsizetype tailLength = fieldText(record, columns_[count_ - 1].field, tail) - tail;
  QString line(fixedLength() + tailLength, Qt::Uninitialized);
  write(record, tail, tailLength, reinterpret_cast<char16_t*>(line.data()));
  return line;
}

void LineMaker::appendTo(const TScheda& record, LineList& lines) const {
  char16_t tail[256];
  const qsizetype tailLength = fieldText(record, columns_[count_ - 1].field, tail) - tail;
  lines.append(fixedLength() + tailLength,
               [&](char16_t* out) { write(record, tail, tailLength, out); });
}

QString receiptLine(const TScheda& record) {
  return LineMaker(record.layout(), LineKind::Receipt).lineOf(record);
}

QString cardLine(const TScheda& record, LineKind tail) {
  return LineMaker(record.layout(), tail).lineOf(record);
}

QString lineOf(const TScheda& record, LineKind kind) {
  return LineMaker(record.layout(), kind).lineOf(record);
}

}  // namespace ListLines

}  // namespace velinda
