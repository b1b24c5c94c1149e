#include "contactimport/csvreader.h"

#include <QHash>
#include <QSet>
#include <utility>

#include "contactimport/importmessages.h"
#include "contactimport/labelledcolumns.h"
#include "core/csvtext.h"
#include "core/text.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QChar kCandidates[] = {u';', u',', u'\t'};

// The first line and the rest, when the first line is Excel's "sep=;".
std::optional<std::pair<QChar, QStringView>> declaredSeparator(QStringView text) {
  const QStringView directive = u"sep=";
  if (text.size() < 6 || !text.startsWith(directive, Qt::CaseInsensitive)) return std::nullopt;
  QStringView rest = text.sliced(directive.size() + 1);
  if (rest.startsWith(u'\r')) rest = rest.sliced(1);
  if (!rest.startsWith(u'\n')) return std::nullopt;
  return std::pair{text[directive.size()], rest.sliced(1)};
}

QString separatorName(QChar separator) {
  if (separator == u';') return u"separatore punto e virgola"_s;
  if (separator == u',') return u"separatore virgola"_s;
  if (separator == u'\t') return u"separatore tabulazione"_s;
  if (separator.isNull()) return u"una sola colonna"_s;
  return u"separatore \u201C%1\u201D"_s.arg(separator);
}

bool isBlankText(QStringView text) {
  for (QChar c : text) {
    if (c.unicode() > 32) return false;
  }
  return true;
}

bool isBlank(const QStringList& record) {
  for (const QString& field : record) {
    if (!isBlankText(field)) return false;
  }
  return true;
}

QString fieldText(const QString& field) { return CsvText::fromTextFormula(field).value_or(field); }

}  // namespace

namespace Csv {

QChar detectSeparator(QStringView text) {
  int counts[std::size(kCandidates)] = {};
  bool quoted = false;
  for (QChar c : text) {
    if (c == u'"') quoted = !quoted;
    if (!quoted && (c == u'\n' || c == u'\r')) break;
    for (size_t i = 0; i < std::size(kCandidates); ++i) {
      if (!quoted && c == kCandidates[i]) ++counts[i];
    }
  }
  size_t best = 0;
  for (size_t i = 1; i < std::size(kCandidates); ++i) {
    if (counts[i] > counts[best]) best = i;
  }
  return counts[best] > 0 ? kCandidates[best] : QChar();
}

RecordCutter::RecordCutter(QChar separator, int mostFields, Sink sink, int firstLine)
    : separator_(separator),
      mostFields_(mostFields),
      sink_(std::move(sink)),
      line_(firstLine),
      recordLine_(firstLine) {}

void RecordCutter::endField() {
  record_.append(field_);
  field_.clear();
  wasQuoted_ = false;
  if (mostFields_ > 0 && record_.size() > mostFields_)
    throw ContactFileError(ImportMessages::tooManyColumns(recordLine_, mostFields_));
}

void RecordCutter::endRecord() {
  endField();
  sink_(record_, recordLine_);
  record_.clear();
}

void RecordCutter::add(QStringView text) {
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size;) {
    // A run of ordinary characters goes into the field at once.
    qsizetype run = i;
    while (run < size) {
      const QChar c = text[run];
      if (c == u'"' || c == u'\r' || c == u'\n' || (!quoted_ && c == separator_)) break;
      ++run;
    }
    if (run > i && !quoteMayClose_) {
      afterCarriageReturn_ = false;
      field_ += text.sliced(i, run - i);
      i = run;
      continue;
    }
    addOne(text[i++]);
  }
}

void RecordCutter::addOne(QChar c) {
  const bool afterCarriageReturn = std::exchange(afterCarriageReturn_, false);
  if (quoted_ && quoteMayClose_) {
    quoteMayClose_ = false;
    if (c == u'"') {
      field_ += u'"';
      return;
    }
    quoted_ = false;
  }
  if (quoted_) {
    if (c == u'"') {
      quoteMayClose_ = true;
      return;
    }
    if (c == u'\r' || (c == u'\n' && !afterCarriageReturn)) ++line_;
    afterCarriageReturn_ = c == u'\r';
    field_ += c;
    return;
  }
  if (c == u'\n' && afterCarriageReturn) return;
  if (c == u'"' && field_.isEmpty() && !wasQuoted_) {
    quoted_ = wasQuoted_ = true;
    quoteLine_ = line_;
  } else if (c == separator_) {
    endField();
  } else if (c == u'\r' || c == u'\n') {
    afterCarriageReturn_ = c == u'\r';
    endRecord();
    recordLine_ = ++line_;
  } else {
    // A quote inside an unquoted field, or text after a closing quote,
    // is kept as it stands.
    field_ += c;
  }
}

void RecordCutter::finish() {
  if (quoted_ && !quoteMayClose_) throw ContactFileError(ImportMessages::unclosedQuote(quoteLine_));
  quoted_ = quoteMayClose_ = false;
  if (!field_.isEmpty() || !record_.isEmpty() || wasQuoted_) endRecord();
}

QList<QStringList> records(QStringView text, QChar separator) {
  QList<QStringList> out;
  RecordCutter cutter(separator, 0, [&out](QStringList& fields, int) {
    out.append(std::move(fields));
    fields.clear();
  });
  cutter.add(text);
  cutter.finish();
  return out;
}

QStringList columnNames(const QStringList& header) {
  QStringList names;
  QSet<QString> taken;
  // Where the search for a free "(n)" goes on, for each repeated name: a
  // header of thousands of equal names is named in one pass.
  QHash<QString, int> nextNumber;
  for (int c = 0; c < header.size(); ++c) {
    QString name = Text::trimmed(header[c]);
    if (name.isEmpty()) name = u"Colonna %1"_s.arg(c + 1);
    if (taken.contains(name)) {
      const QString base = name;
      int& n = nextNumber[base];
      if (n == 0) n = 2;
      do {
        name = u"%1 (%2)"_s.arg(base).arg(n++);
      } while (taken.contains(name));
    }
    taken.insert(name);
    names.append(name);
  }
  return names;
}

}  // namespace Csv

CsvReader::CsvReader() = default;
CsvReader::~CsvReader() = default;

void CsvReader::add(QStringView text) {
  if (cutter_) {
    cutter_->add(text);
    return;
  }
  // The separator is known once the header is whole.
  headerText_ += text;
  if (!headerIsWhole()) return;
  const QString header = std::exchange(headerText_, {});
  QStringView body(header);
  if (const auto declared = declaredSeparator(body)) {
    startRecords(declared->first, 2);
    body = declared->second;
  } else {
    qsizetype start = 0;  // blank lines before the header say nothing
    while (start < body.size() && body[start].unicode() <= 32) ++start;
    startRecords(Csv::detectSeparator(body.sliced(start)), 1);
  }
  cutter_->add(body);
}

// True once the text holds a whole first record that is not blank: a line
// end outside quotes after something other than blanks. The text is looked
// at once, however many pieces it comes in.
bool CsvReader::headerIsWhole() {
  for (; headerLooked_ < headerText_.size(); ++headerLooked_) {
    const QChar c = headerText_[headerLooked_];
    if (c == u'"') headerQuoted_ = !headerQuoted_;
    if (!headerQuoted_ && (c == u'\n' || c == u'\r')) {
      if (headerContent_) return true;
    } else if (c.unicode() > 32) {
      headerContent_ = true;
    }
  }
  return false;
}

void CsvReader::startRecords(QChar separator, int firstLine) {
  separator_ = separator;
  cutter_.emplace(
      separator, kMostColumns, [this](QStringList& fields, int line) { takeRecord(fields, line); },
      firstLine);
}

void CsvReader::takeRecord(QStringList& fields, int line) {
  if (isBlank(fields)) return;
  if (!labelled_) {
    names_ = Csv::columnNames(fields);
    for (const QString& field : fields) unnamed_.append(Text::trimmed(field).isEmpty());
    labelled_ = std::make_unique<LabelledColumns>(names_);
    // Every column is offered to the user, also one that no contact fills.
    for (const QString& name : names_)
      numbers_.append(labelled_->keepsName(name) ? table_.rows.nameIndex(name) : -1);
    return;
  }
  RowOrigin origin{line, int(fields.size()), false};
  if (fields.size() < names_.size()) {
    for (qsizetype c = fields.size(); c < names_.size(); ++c) origin.misfit |= !unnamed_[c];
  } else {
    for (qsizetype c = names_.size(); c < fields.size(); ++c)
      origin.misfit |= !isBlankText(fields[c]);
  }
  if (labelled_->isEmpty()) {
    // Most files: each value under its column's name, as it comes.
    table_.rows.startRow(origin);
    for (int c = 0; c < fields.size(); ++c) {
      const QString& field = fields[c];
      const QString value = field.startsWith(u'=') ? fieldText(field) : field;
      if (c < names_.size())
        table_.rows.add(numbers_[c], value);
      else if (!isBlankText(value))
        table_.rows.add(table_.rows.nameIndex(u"Colonna %1"_s.arg(c + 1)), value);
    }
    return;
  }
  ContactRow row;
  row.reserve(fields.size());
  for (int c = 0; c < fields.size(); ++c) {
    const QString value = fieldText(fields[c]);
    if (c < names_.size()) {
      row.append({names_[c], value});
    } else if (!isBlankText(value)) {
      // More fields than the header names: kept under a name of their
      // own, for the user to map or leave.
      row.append({u"Colonna %1"_s.arg(c + 1), value});
    }
  }
  labelled_->addRow(row, origin, table_.rows);
}

ContactTable CsvReader::finish() {
  if (!cutter_ && !Text::trimmed(headerText_).isEmpty()) {
    // A header without a line end: the file is one line.
    const QString header = std::exchange(headerText_, {});
    startRecords(Csv::detectSeparator(QStringView(header).trimmed()), 1);
    cutter_->add(header);
  }
  if (cutter_) cutter_->finish();
  if (table_.rows.isEmpty()) throw ContactFileError(ImportMessages::kNoContacts);
  table_.format = u"CSV, "_s + separatorName(separator_);
  table_.headerColumns = int(names_.size());
  table_.names = table_.rows.names();
  table_.rows.squeeze();
  return std::move(table_);
}

}  // namespace velinda
