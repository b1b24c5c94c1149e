#include "contactimport/targetdelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>

#include "contactimport/cardtargets.h"
#include "contactimport/columnmappingmodel.h"

namespace velinda {

using namespace Qt::StringLiterals;

TargetDelegate::TargetDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* TargetDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex& index) const {
  auto* choice = new QComboBox(parent);
  choice->setObjectName(u"cmbCampo"_s);
  const QString column =
      index.sibling(index.row(), ColumnMappingModel::kName).data(Qt::DisplayRole).toString();
  // The grid's heading is the word the user sees above the list.
  choice->setAccessibleName(u"Campo della scheda per la colonna \u00AB%1\u00BB"_s.arg(column));
  choice->addItem(ColumnMappingModel::notImported(), QString());
  for (const CardTarget& target : CardTargets::all()) choice->addItem(target.caption, target.key);
  choice->setMaxVisibleItems(16);
  // A choice from the list shows at once in the preview. (The editor is
  // made by a const function; its signal is the delegate's all the same.)
  auto* self = const_cast<TargetDelegate*>(this);
  connect(choice, &QComboBox::activated, self, [self, choice] { emit self->commitData(choice); });
  return choice;
}

void TargetDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* choice = static_cast<QComboBox*>(editor);
  const int at = choice->findData(index.data(Qt::EditRole).toString());
  if (at != choice->currentIndex()) choice->setCurrentIndex(qMax(0, at));
}

void TargetDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
  model->setData(index, static_cast<QComboBox*>(editor)->currentData(), Qt::EditRole);
}

bool TargetDelegate::eventFilter(QObject* watched, QEvent* event) {
  auto* editor = qobject_cast<QWidget*>(watched);
  if (editor && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // Enter takes the choice and stays in the grid; it must not reach the
    // screen, where it would start the import.
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      emit commitData(editor);
      emit closeEditor(editor, SubmitModelCache);
      return true;
    }
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      const bool backwards =
          key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
      emit commitData(editor);
      emit closeEditor(editor, NoHint);
      // The grid does not move from cell to cell with Tab: the key goes on
      // to the next control of the screen.
      if (auto* view = qobject_cast<QAbstractItemView*>(editor->parentWidget()->parentWidget())) {
        view->setFocus(Qt::TabFocusReason);
        QCoreApplication::postEvent(
            view, new QKeyEvent(QEvent::KeyPress, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                                backwards ? Qt::ShiftModifier : Qt::NoModifier));
      }
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(watched, event);
}

}  // namespace velinda
