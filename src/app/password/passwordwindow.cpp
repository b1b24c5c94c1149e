#include "app/password/passwordwindow.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

#include "widgets/controls.h"
#include "widgets/fieldhighlight.h"
#include "widgets/fixedwindow.h"

namespace velinda {

namespace PasswordWindow {

void setUp(QWidget* window, const QString& caption, int height) {
  window->setWindowFlags(Qt::Window | FixedWindow::kTitleBar);
  window->setWindowTitle(caption);
  window->setFixedSize(kWidth, height);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window->move(screen->availableGeometry().center() - window->rect().center());
  Controls::picture(QStringLiteral("imgLogo"), QStringLiteral(":/art/logo.svg"),
                    QRect(10, 10, 587, 69), window);
}

QLineEdit* makePasswordBox(const QString& objectName, const QString& accessibleName,
                           QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(objectName);
  box->setAccessibleName(accessibleName);
  box->setEchoMode(QLineEdit::Password);
  FieldHighlight::apply(box);
  return box;
}

}  // namespace PasswordWindow

}  // namespace velinda
