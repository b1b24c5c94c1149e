#pragma once

#include <QAbstractListModel>
#include <QFont>
#include <QSize>

#include "records/linelist.h"

namespace velinda {

// The lines of a list screen, one row each, shown in the fixed-pitch font
// that lines the columns up. Every line has the same size, so a view with
// uniform item sizes lays out 100,000 lines without measuring them.
class ListLinesModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit ListLinesModel(QObject* parent = nullptr);

  void setLines(LineList lines);
  const LineList& lines() const { return lines_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  LineList lines_;
  QFont font_;
  QSize lineSize_;
};

}  // namespace velinda
