#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

class QLabel;
class QWidget;

namespace velinda {

// The one-line help at the bottom of a screen. Pointing at a control with a
// hint shows the hint; pointing at a neutral control (text boxes, and the
// captions that name them) leaves the line as it is; pointing at anything
// else of the screen's window -- its background, panels, sheets, pictures
// and icons -- empties the line.
class HelpLine : public QObject {
  Q_OBJECT
 public:
  explicit HelpLine(QLabel* line, QObject* parent = nullptr);

  void addHint(QWidget* control, const QString& hint);
  void addNeutral(QWidget* control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void pointAt(QWidget* widget);
  // The control with a hint or the neutral control the widget is, or lies
  // in; none for the background.
  const QWidget* describedControl(const QWidget* widget) const;

  QPointer<QLabel> line_;
  QHash<const QWidget*, QString> hints_;
  QSet<const QWidget*> neutral_;
};

}  // namespace velinda
