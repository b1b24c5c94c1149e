#include "contactimport/columnmappingmodel.h"

#include <QHash>
#include <QSet>

#include "contactimport/cardtargets.h"
#include "contactimport/contacttable.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// Whether the mapping sends the columns of more than one address to the
// card, so that the grid says which address each belongs to.
bool hasSeveralAddresses(const ColumnMapping& mapping) {
  QSet<int> addresses;
  for (const ColumnRule& rule : mapping) {
    const CardTarget* target = CardTargets::find(rule.target);
    if (target && target->address) addresses.insert(qMax(rule.address, AddressGroups::kFirst));
  }
  return addresses.size() > 1;
}

}  // namespace

ColumnMappingModel::ColumnMappingModel(QObject* parent) : QAbstractTableModel(parent) {}

QString ColumnMappingModel::notImported() { return u"(non importare)"_s; }

void ColumnMappingModel::reset(const ContactTable* table, const ColumnMapping& mapping) {
  beginResetModel();
  mapping_ = mapping;
  examples_.clear();
  if (table) {
    const QStringList firsts = table->rows.firstValues();
    const QStringList& names = table->rows.names();
    QHash<QString, QString> byName;
    for (qsizetype i = 0; i < names.size(); ++i) byName.insert(names[i], firsts.value(i));
    for (const ColumnRule& rule : mapping_) examples_.append(byName.value(rule.name).simplified());
  }
  severalAddresses_ = hasSeveralAddresses(mapping_);
  endResetModel();
}

QStringList ColumnMappingModel::columnsLeftOut() const {
  QStringList out;
  for (qsizetype i = 0; i < mapping_.size(); ++i) {
    if (mapping_[i].target.isEmpty() && !examples_.value(i).isEmpty()) out.append(mapping_[i].name);
  }
  return out;
}

int ColumnMappingModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(mapping_.size());
}

int ColumnMappingModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QString ColumnMappingModel::targetText(int row) const {
  const ColumnRule& rule = mapping_[row];
  const CardTarget* target = CardTargets::find(rule.target);
  if (!target) return notImported();
  if (!target->address || !severalAddresses_) return target->caption;
  const int address = qMax(rule.address, AddressGroups::kFirst);
  const QString which = address >= AddressGroups::kHome
                            ? AddressGroups::name(address)
                            : u"indirizzo "_s + AddressGroups::name(address);
  return u"%1 (%2)"_s.arg(target->caption, which);
}

QVariant ColumnMappingModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row();
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
    switch (index.column()) {
      case kName:
        return mapping_[row].name;
      case kExample:
        return examples_.value(row);
      case kTarget:
        return targetText(row);
    }
  }
  if (role == Qt::EditRole && index.column() == kTarget) return mapping_[row].target;
  return {};
}

QVariant ColumnMappingModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kName:
      return u"Colonna del file"_s;
    case kExample:
      return u"Esempio"_s;
    case kTarget:
      return u"Campo della scheda"_s;
  }
  return {};
}

Qt::ItemFlags ColumnMappingModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.column() == kTarget) f |= Qt::ItemIsEditable;
  return f;
}

bool ColumnMappingModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || index.column() != kTarget) return false;
  const QString key = value.toString();
  if (key == mapping_[index.row()].target) return true;
  retarget(mapping_, index.row(), key);
  const bool several = hasSeveralAddresses(mapping_);
  if (several != severalAddresses_) {
    severalAddresses_ = several;
    emit dataChanged(this->index(0, kTarget), this->index(rowCount() - 1, kTarget));
  } else {
    emit dataChanged(index, index);
  }
  emit mappingChanged();
  return true;
}

}  // namespace velinda
