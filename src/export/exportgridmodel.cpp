#include "export/exportgridmodel.h"

#include <QScopeGuard>

#include "archive/tarchivio.h"
#include "core/unknownname.h"
#include "core/windows1252.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kNumberHeader = u"N."_s;
const QString kNumberName = u"colNum"_s;

// Per column, the fields its cells are made of.
QList<QList<int>> fieldsOfCells(const ExportTable& table) {
  QList<QList<int>> cells;
  for (const ExportColumn& column : table.columns) {
    QList<int> fields;
    for (const QString& name : column.cell.fields)
      fields.append(
          NameLookup::requireIndex(table.archive.layout.indexOf(name), table.caption, name));
    cells.append(fields);
  }
  return cells;
}

// Every field that some cell is made of, once.
QList<int> fieldsShown(const QList<QList<int>>& cells) {
  QList<int> fields;
  for (const QList<int>& cell : cells)
    for (int field : cell)
      if (!fields.contains(field)) fields.append(field);
  return fields;
}

}  // namespace

ExportGridModel::ExportGridModel(const ExportTable& table, QObject* parent)
    : QAbstractTableModel(parent),
      table_(table),
      cellFields_(fieldsOfCells(table)),
      records_(table.archive.layout, fieldsShown(cellFields_)) {
  for (const ExportColumn& column : table.columns)
    separators_.append(Windows1252::encode(column.cell.separator));
}

void ExportGridModel::fill() {
  beginResetModel();
  const auto shown = qScopeGuard([this] { endResetModel(); });
  TArchivio archive(table_.archive);
  archive.Open();
  const int count = archive.Count();
  records_.reserve(count);
  TScheda record(table_.archive.layout);
  for (int row = 0; row < count; ++row) {
    archive.ReadNext(record);
    records_.append(record.bytes().constData());
  }
  archive.Close();
  records_.squeeze();
}

QString ExportGridModel::header(int column) const {
  return column == 0 ? kNumberHeader : table_.columns[column - 1].gridHeader;
}

QString ExportGridModel::cellText(int column, const PackedFields::Fields& fields) const {
  const QList<int>& made = cellFields_[column - 1];
  if (made.size() == 1) {
    const QByteArrayView text = fields[made.first()];
    return Windows1252::decode(text.data(), text.size());
  }
  // Joined as bytes, then decoded once.
  QByteArray cell;
  for (int i = 0; i < made.size(); ++i) {
    if (i > 0) cell += separators_[column - 1];
    cell += fields[made[i]];
  }
  return Windows1252::decode(cell);
}

std::optional<QString> ExportGridModel::typed(int row, int column) const {
  const auto found = typed_.constFind(key(row, column));
  if (found == typed_.cend()) return std::nullopt;
  return *found;
}

QString ExportGridModel::shownText(int row, int column) const {
  if (column == 0) return QString::number(row + 1);
  return typed(row, column).value_or(cellText(column, records_.fields(row)));
}

QStringList ExportGridModel::exportedRow(int row) const {
  const PackedFields::Fields fields = records_.fields(row);
  QStringList cells;
  cells.reserve(table_.columns.size());
  for (int column = 1; column <= table_.columns.size(); ++column)
    cells.append(typed(row, column).value_or(cellText(column, fields)));
  return cells;
}

int ExportGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : records_.count();
}

int ExportGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(table_.columns.size()) + 1;
}

QVariant ExportGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole) return header(section);
  if (role == Qt::UserRole)
    return section == 0 ? kNumberName : table_.columns[section - 1].gridName;
  return {};
}

QVariant ExportGridModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return shownText(index.row(), index.column());
}

Qt::ItemFlags ExportGridModel::flags(const QModelIndex& index) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return Qt::NoItemFlags;
  const Qt::ItemFlags shown = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  const bool editable = index.column() > 0 && table_.columns[index.column() - 1].editable;
  return editable ? shown | Qt::ItemIsEditable : shown;
}

bool ExportGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  typed_.insert(key(index.row(), index.column()), value.toString());
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

}  // namespace velinda
