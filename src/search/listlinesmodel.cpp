#include "search/listlinesmodel.h"

#include <QBrush>
#include <QFontMetrics>

#include "widgets/palette.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {
// Wider than the list, so that long lines scroll sideways.
constexpr int kLineWidth = 1600;
}  // namespace

ListLinesModel::ListLinesModel(QObject* parent)
    : QAbstractListModel(parent), font_(u"Courier New"_s, 12) {
  font_.setStyleHint(QFont::Monospace);
  lineSize_ = QSize(kLineWidth, QFontMetrics(font_).height() + 2);
}

void ListLinesModel::setLines(LineList lines) {
  beginResetModel();
  lines_ = std::move(lines);
  endResetModel();
}

int ListLinesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(lines_.size());
}

QVariant ListLinesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= lines_.size()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return lines_.at(index.row()).toString();
    // The lines' own font, not the style's, so that the columns line up.
    case Qt::FontRole:
      return font_;
    case Qt::ForegroundRole:
      return QBrush(Palette::kBlack);
    case Qt::SizeHintRole:
      return lineSize_;
    default:
      return {};
  }
}

}  // namespace velinda
