#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QLabel;
class QWidget;

// The one-line help at the bottom of a screen: pointing at a control with a
// hint shows the hint, pointing at the background empties the line, and
// controls told to be neutral (text boxes, labels) leave it as it is.
class HelpLine : public QObject {
  Q_OBJECT
 public:
  explicit HelpLine(QLabel* line, QObject* parent = nullptr);

  void addHint(QWidget* control, const QString& hint);
  void addNeutral(QWidget* control);
  // The mouse moving over it (or a child not named above) empties the line.
  void addBackground(QWidget* background);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* line_;
  QHash<QObject*, QString> hints_;
};
