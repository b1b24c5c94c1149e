#include "dialogs/dialogframe.h"

#include <QScreen>
#include <QShowEvent>

#include "widgets/fixedwindow.h"
#include "widgets/palette.h"

namespace velinda {

DialogFrame::DialogFrame(const QString& caption, QSize clientSize, Placement placement,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | FixedWindow::kTitleBar), placement_(placement) {
  setWindowTitle(caption);
  setFixedSize(clientSize);
  setModal(true);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Palette::kWhite);
  setPalette(p);
}

void DialogFrame::showEvent(QShowEvent* event) {
  // Restored by the window system, the screen stays where the user left it.
  if (event->spontaneous()) {
    QDialog::showEvent(event);
    return;
  }
  QRect area;
  if (placement_ == Placement::CentreOfOwner && parentWidget())
    area = parentWidget()->window()->frameGeometry();
  else if (screen())
    area = screen()->availableGeometry();
  if (area.isValid()) move(area.center() - rect().center());
  QDialog::showEvent(event);
}

}  // namespace velinda
