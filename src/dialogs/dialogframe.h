#pragma once

#include <QDialog>

namespace velinda {

// The small modal screens of the shell: fixed size, no title-bar buttons,
// closed with their own "Chiudi", built by whoever opens them.
class DialogFrame : public QDialog {
  Q_OBJECT
 public:
  enum class Placement { CentreOfScreen, CentreOfOwner };

  DialogFrame(const QString& caption, QSize clientSize, Placement placement, QWidget* parent);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Placement placement_;
};

}  // namespace velinda
