#include "contactimport/mappingview.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "contactimport/columnmappingmodel.h"
#include "contactimport/targetdelegate.h"

namespace velinda {

MappingView::MappingView(QWidget* parent) : QTableView(parent) {
  setItemDelegateForColumn(ColumnMappingModel::kTarget, new TargetDelegate(this));
  setTabKeyNavigation(false);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::EditKeyPressed);
}

void MappingView::keyPressEvent(QKeyEvent* event) {
  const bool opens = event->key() == Qt::Key_F2 || event->key() == Qt::Key_F4 ||
                     (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) ||
                     (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier);
  if (opens && model() && currentIndex().isValid()) {
    const QModelIndex field = currentIndex().siblingAtColumn(ColumnMappingModel::kTarget);
    setCurrentIndex(field);
    edit(field);
    return;
  }
  QTableView::keyPressEvent(event);
}

// Arriving with Tab, the user is on a row at once.
void MappingView::focusInEvent(QFocusEvent* event) {
  if (model() && !currentIndex().isValid() && model()->rowCount() > 0)
    setCurrentIndex(model()->index(0, ColumnMappingModel::kTarget));
  QTableView::focusInEvent(event);
}

}  // namespace velinda
