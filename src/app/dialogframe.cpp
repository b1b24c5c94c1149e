#include "app/dialogframe.h"

#include <QScreen>

DialogFrame::DialogFrame(const QString& caption, QSize clientSize,
                         Placement placement, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      placement_(placement) {
  setWindowTitle(caption);
  setFixedSize(clientSize);
  setModal(true);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void DialogFrame::showEvent(QShowEvent* event) {
  QRect area;
  if (placement_ == Placement::CentreOfOwner && parentWidget())
    area = parentWidget()->window()->frameGeometry();
  else if (screen())
    area = screen()->availableGeometry();
  if (area.isValid()) move(area.center() - rect().center());
  QDialog::showEvent(event);
}
