#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "contactimport/headeraliases.h"

namespace velinda {

struct ContactTable;

// The columns of a file and where each goes on the card, as the import
// screen's grid shows them: the column's name, an example of what it holds
// and the card's field, which the user can change. A table of one row per
// column, however many they are.
class ColumnMappingModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { kName, kExample, kTarget, kColumns };

  explicit ColumnMappingModel(QObject* parent = nullptr);

  // A new file, with its proposed mapping.
  void reset(const ContactTable* table, const ColumnMapping& mapping);
  const ColumnMapping& mapping() const { return mapping_; }
  // The columns that hold values but go nowhere.
  QStringList columnsLeftOut() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // The target's key under Qt::EditRole.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  static QString notImported();

 signals:
  void mappingChanged();

 private:
  QString targetText(int row) const;

  ColumnMapping mapping_;
  QStringList examples_;
  bool severalAddresses_ = false;
};

}  // namespace velinda
