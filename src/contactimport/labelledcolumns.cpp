#include "contactimport/labelledcolumns.h"

#include <QHash>
#include <QSet>
#include <QRegularExpression>

#include "core/text.h"

using namespace Qt::StringLiterals;

namespace {

const QRegularExpression kLabelColumn(u"^(.*\\S)\\s*(\\d+)\\s*-\\s*(label|type|etichetta|tipo)$"_s,
                                      QRegularExpression::CaseInsensitiveOption);
const QString kManyValues = u" ::: "_s;

// For each value column that has a label column: the label column's name
// and the kind of value ("Phone"), by the value column's name.
struct Labelled {
  QString labelColumn;
  QString kind;
};

QHash<QString, Labelled> labelledColumns(const QStringList& names) {
  QHash<QString, Labelled> found;
  for (const QString& name : names) {
    const QRegularExpressionMatch match = kLabelColumn.match(name);
    if (!match.hasMatch()) continue;
    const QString stem = match.captured(1) + u' ' + match.captured(2) + u" - "_s;
    for (const QString& value : {stem + u"Value"_s, stem + u"Valore"_s}) {
      for (const QString& candidate : names) {
        if (candidate.compare(value, Qt::CaseInsensitive) == 0)
          found.insert(candidate, {name, match.captured(1)});
      }
    }
  }
  return found;
}

QString valueOf(const ContactRow& row, const QString& name) {
  for (const NamedValue& v : row) {
    if (v.name == name) return v.value;
  }
  return {};
}

// "* Mobile" is Google's mark of the preferred number.
QString cleanLabel(const QString& label) {
  QString clean = Text::trimmed(label);
  if (clean.startsWith(u'*')) clean = Text::trimmed(clean.mid(1));
  return clean;
}

}  // namespace

ContactTable nameValuesByLabel(const ContactTable& table) {
  const QHash<QString, Labelled> labelled = labelledColumns(table.names);
  if (labelled.isEmpty()) return table;
  QSet<QString> labelColumns;
  for (const Labelled& l : labelled) labelColumns.insert(l.labelColumn);

  ContactTable out;
  out.format = table.format;
  auto addName = [&out](const QString& name) {
    if (!out.names.contains(name)) out.names.append(name);
  };
  for (const ContactRow& row : table.rows) {
    ContactRow renamed;
    for (const NamedValue& v : row) {
      if (labelColumns.contains(v.name)) continue;
      const auto it = labelled.constFind(v.name);
      if (it == labelled.constEnd()) {
        addName(v.name);
        renamed.append(v);
        continue;
      }
      const QString label = cleanLabel(valueOf(row, it->labelColumn));
      const QString name = label.isEmpty() ? it->kind : u"%1 (%2)"_s.arg(it->kind, label);
      for (const QString& part : v.value.split(kManyValues)) {
        if (Text::trimmed(part).isEmpty()) continue;
        addName(name);
        renamed.append({name, part});
      }
    }
    out.rows.append(renamed);
  }
  return out;
}
