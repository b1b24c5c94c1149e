#include "contactimport/csvreader.h"

#include <QSet>

#include "contactimport/importmessages.h"
#include "contactimport/labelledcolumns.h"
#include "core/text.h"
#include "export/formats/csvtext.h"

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

bool isBlank(const QStringList& record) {
  for (const QString& field : record) {
    if (!Text::trimmed(field).isEmpty()) return false;
  }
  return true;
}

// Column names as the header gives them, each one unique and none empty.
QStringList columnNames(const QStringList& header) {
  QStringList names;
  QSet<QString> taken;
  for (int c = 0; c < header.size(); ++c) {
    QString name = Text::trimmed(header[c]);
    if (name.isEmpty()) name = u"Colonna %1"_s.arg(c + 1);
    const QString base = name;
    for (int n = 2; taken.contains(name); ++n) name = u"%1 (%2)"_s.arg(base).arg(n);
    taken.insert(name);
    names.append(name);
  }
  return names;
}

QString fieldText(const QString& field) {
  return CsvText::fromTextFormula(field).value_or(field);
}

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

QList<QStringList> records(QStringView text, QChar separator) {
  QList<QStringList> out;
  QStringList record;
  QString field;
  bool quoted = false;
  bool wasQuoted = false;  // the field began with a quote
  int line = 1;
  int quoteLine = 0;
  auto endField = [&] {
    record.append(field);
    field.clear();
    wasQuoted = false;
  };
  auto endRecord = [&] {
    endField();
    out.append(record);
    record.clear();
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == u'"') {
        if (i + 1 < text.size() && text[i + 1] == u'"') {
          field += u'"';
          ++i;
        } else {
          quoted = false;
        }
        continue;
      }
      if (c == u'\n' || (c == u'\r' && !(i + 1 < text.size() && text[i + 1] == u'\n'))) ++line;
      field += c;
      continue;
    }
    if (c == u'"' && field.isEmpty() && !wasQuoted) {
      quoted = wasQuoted = true;
      quoteLine = line;
    } else if (c == separator) {
      endField();
    } else if (c == u'\r' || c == u'\n') {
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      ++line;
      endRecord();
    } else {
      // A quote inside an unquoted field, or text after a closing quote,
      // is kept as it stands.
      field += c;
    }
  }
  if (quoted) throw ContactFileError(ImportMessages::unclosedQuote(quoteLine));
  if (!field.isEmpty() || !record.isEmpty() || wasQuoted) endRecord();
  return out;
}

}  // namespace Csv

ContactTable CsvReader::read(const QString& text) const {
  QStringView body(text);
  QChar separator;
  if (const auto declared = declaredSeparator(body)) {
    separator = declared->first;
    body = declared->second;
  } else {
    separator = Csv::detectSeparator(body);
  }
  QList<QStringList> all = Csv::records(body, separator);
  all.removeIf(isBlank);
  if (all.isEmpty()) throw ContactFileError(ImportMessages::kNoContacts);

  ContactTable table;
  table.format = u"CSV, "_s + separatorName(separator);
  table.names = columnNames(all.takeFirst());
  for (const QStringList& record : all) {
    ContactRow row;
    for (int c = 0; c < record.size(); ++c) {
      const QString value = fieldText(record[c]);
      if (c < table.names.size()) {
        row.append({table.names[c], value});
      } else if (!Text::trimmed(value).isEmpty()) {
        // More fields than the header names: kept under a name of their
        // own, for the user to map or leave.
        const QString name = u"Colonna %1"_s.arg(c + 1);
        if (!table.names.contains(name)) table.names.append(name);
        row.append({name, value});
      }
    }
    table.rows.append(row);
  }
  return nameValuesByLabel(table);
}
