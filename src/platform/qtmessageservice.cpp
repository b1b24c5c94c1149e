#include "platform/qtmessageservice.h"

#include <QMessageBox>

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// The texts separate their sentences with CR LF or LF CR pairs; a label
// wants plain line feeds.
QString forDisplay(QString text) {
  text.replace(u"\r\n"_s, u"\n"_s);
  text.replace(u"\n\r"_s, u"\n"_s);
  text.remove(u'\r');
  return text;
}

int run(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, title, forDisplay(text), buttons, parent);
  box.setDefaultButton(defaultButton);
  box.setTextFormat(Qt::PlainText);
  return box.exec();
}

}  // namespace

void QtMessageService::show(QWidget* parent, MessageKind kind, const QString& text) {
  QMessageBox::Icon icon = QMessageBox::Information;
  QString title = u"Informazione"_s;
  if (kind == MessageKind::Warning) {
    icon = QMessageBox::Warning;
    title = u"Attenzione"_s;
  } else if (kind == MessageKind::Error) {
    icon = QMessageBox::Critical;
    title = u"Errore"_s;
  }
  run(parent, icon, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
}

void QtMessageService::plain(QWidget* parent, const QString& text) {
  run(parent, QMessageBox::NoIcon, u"Velinda"_s, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageService::confirm(QWidget* parent, const QString& text) {
  return run(parent, QMessageBox::Question, u"Conferma"_s, text, QMessageBox::Yes | QMessageBox::No,
             QMessageBox::Yes) != QMessageBox::No;
}

}  // namespace velinda
