#pragma once

#include <QWidget>

class QLineEdit;

namespace velinda {

// The yellow frame behind a filter box, 4 pixels larger on every side,
// shown only while the box has the focus.
class HighlightFrame : public QWidget {
  Q_OBJECT
 public:
  HighlightFrame(const QString& objectName, QLineEdit* box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace velinda
