#pragma once

#include <QAbstractItemModel>
#include <QTableView>

namespace velinda {

// Reaches an export grid's cells and headers through its view and model, in
// the words of a table of items: a cell's text and flags, a header's text
// and column name.
class GridAccess {
 public:
  explicit GridAccess(QTableView* view) : view_(view) {}

  class Cell {
   public:
    Cell(QAbstractItemModel* model, QModelIndex index) : model_(model), index_(index) {}
    QString text() const { return index_.data().toString(); }
    Qt::ItemFlags flags() const { return model_->flags(index_); }
    // As a user's typing would leave it.
    void setText(const QString& text) { model_->setData(index_, text, Qt::EditRole); }
    QModelIndex index() const { return index_; }

   private:
    QAbstractItemModel* model_;
    QModelIndex index_;
  };

  class Header {
   public:
    Header(QAbstractItemModel* model, int column) : model_(model), column_(column) {}
    QString text() const { return data(Qt::DisplayRole).toString(); }
    QVariant data(int role) const { return model_->headerData(column_, Qt::Horizontal, role); }

   private:
    QAbstractItemModel* model_;
    int column_;
  };

  QTableView* view() const { return view_; }
  int rowCount() const { return view_->model()->rowCount(); }
  int columnCount() const { return view_->model()->columnCount(); }
  Cell item(int row, int column) const {
    return {view_->model(), view_->model()->index(row, column)};
  }
  Header horizontalHeaderItem(int column) const { return {view_->model(), column}; }
  void setCurrentCell(int row, int column) { view_->setCurrentIndex(item(row, column).index()); }
  void editItem(const Cell& cell) { view_->edit(cell.index()); }

 private:
  QTableView* view_;
};

}  // namespace velinda
