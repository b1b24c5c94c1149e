#pragma once

#include <QTableView>

namespace velinda {

// The import screen's grid of the file's columns. The field of the row the
// user is on opens for a choice with F2, the space bar, F4 or Alt+Down,
// wherever on the row the user is; Tab leaves the grid, and Enter is left
// to the screen (it imports).
class MappingView : public QTableView {
  Q_OBJECT
 public:
  explicit MappingView(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
};

}  // namespace velinda
