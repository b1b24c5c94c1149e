#pragma once

#include <QStyledItemDelegate>

namespace velinda {

// The editor of the import grid's "Campo della scheda": a list of the
// card's fields, made only while a cell is edited, so that a file of many
// columns costs no widget per column. Tab and Shift+Tab take the choice and
// leave the grid, as everywhere else on the screen.
class TargetDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit TargetDelegate(QObject* parent = nullptr);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace velinda
