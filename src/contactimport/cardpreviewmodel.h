#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <memory>

#include "contactimport/cardbuilder.h"

namespace velinda {

struct ContactTable;

// Every contact of the file as the card it will become, for the import
// screen's preview: its line, what the import will have to do with it
// ("Avvisi") and the card's fields. A card is made only when its row is shown,
// so a change of the mapping costs what the screen shows, not the file.
// Rows that will not be imported as they stand are tinted.
class CardPreviewModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit CardPreviewModel(QObject* parent = nullptr);
  ~CardPreviewModel() override;

  void reset(const ContactTable* table, const ColumnMapping& mapping, bool includeMisfits);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const BuiltCard& card(int row) const;
  QString remarks(int row) const;

  const ContactTable* table_ = nullptr;
  std::unique_ptr<CardBuilder> builder_;
  QStringList keys_;  // the card's targets shown, after "Riga" and "Avvisi"
  bool includeMisfits_ = false;
  int headerColumns_ = 0;
  mutable QHash<int, BuiltCard> cards_;
};

}  // namespace velinda
