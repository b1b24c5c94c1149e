#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <optional>

#include "export/exporttables.h"
#include "export/packedfields.h"

namespace velinda {

// The export grid of one archive: the row number "N.", then one column per
// export column. It keeps only the fields its cells are made of and makes a
// cell's text when the cell is shown or written; a cell the user has typed
// into keeps the typed text instead (the archive itself is never written).
class ExportGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ExportGridModel(const ExportTable& table, QObject* parent = nullptr);

  // Reads the whole archive, from its first record to its last, once. A
  // failure throws ArchiveError; the records read before it stay.
  void fill();

  // The grid as the user sees it, typed cells included, for whoever writes
  // it out: column 0 is "N.", the exported columns are 1 and on.
  QString header(int column) const;
  QString shownText(int row, int column) const;
  // The texts of the exported columns of a row, in order.
  QStringList exportedRow(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // The column's name ("colMittente") is its header's Qt::UserRole.
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  static quint64 key(int row, int column) { return (quint64(row) << 32) | quint32(column); }
  std::optional<QString> typed(int row, int column) const;
  // A cell of an export column (1 and on) made from its record's fields.
  QString cellText(int column, const PackedFields::Fields& fields) const;

  const ExportTable& table_;
  QList<QList<int>> cellFields_;  // per export column, the layout's indexes of its fields
  QList<QByteArray> separators_;  // per export column, in Windows-1252
  PackedFields records_;
  QHash<quint64, QString> typed_;
};

}  // namespace velinda
