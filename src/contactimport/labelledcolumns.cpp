#include "contactimport/labelledcolumns.h"

#include <QRegularExpression>

#include "core/text.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QRegularExpression kLabelColumn(u"^(.*\\S)\\s*(\\d+)\\s*-\\s*(label|type|etichetta|tipo)$"_s,
                                      QRegularExpression::CaseInsensitiveOption);
const QString kManyValues = u" ::: "_s;

// "* Mobile" is Google's mark of the preferred number.
QString cleanLabel(const QString& label) {
  QString clean = Text::trimmed(label);
  if (clean.startsWith(u'*')) clean = Text::trimmed(clean.mid(1));
  return clean;
}

}  // namespace

LabelledColumns::LabelledColumns(const QStringList& names) {
  QHash<QString, QString> byFoldedName;
  for (const QString& name : names) byFoldedName.insert(name.toCaseFolded(), name);
  for (const QString& name : names) {
    const QRegularExpressionMatch match = kLabelColumn.match(name);
    if (!match.hasMatch()) continue;
    const QString stem = match.captured(1) + u' ' + match.captured(2) + u" - "_s;
    for (const QString& value : {stem + u"Value"_s, stem + u"Valore"_s}) {
      const auto candidate = byFoldedName.constFind(value.toCaseFolded());
      if (candidate == byFoldedName.constEnd()) continue;
      labelled_.insert(*candidate, {name, match.captured(1)});
      labelColumns_.insert(name);
    }
  }
}

void LabelledColumns::addRow(const ContactRow& row, const RowOrigin& origin,
                             ContactRows& rows) const {
  rows.startRow(origin);
  if (labelled_.isEmpty()) {
    for (const NamedValue& v : row) rows.add(rows.nameIndex(v.name), v.value);
    return;
  }
  QHash<QString, QString> labels;
  for (const NamedValue& v : row) {
    if (labelColumns_.contains(v.name)) labels.insert(v.name, v.value);
  }
  for (const NamedValue& v : row) {
    if (labelColumns_.contains(v.name)) continue;
    const auto it = labelled_.constFind(v.name);
    if (it == labelled_.constEnd()) {
      rows.add(rows.nameIndex(v.name), v.value);
      continue;
    }
    const QString label = cleanLabel(labels.value(it->labelColumn));
    const QString name = label.isEmpty() ? it->kind : u"%1 (%2)"_s.arg(it->kind, label);
    for (const QString& part : v.value.split(kManyValues)) {
      if (Text::trimmed(part).isEmpty()) continue;
      rows.add(rows.nameIndex(name), part);
    }
  }
}

}  // namespace velinda
