#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>
#include <memory>
#include <span>

#include "print/formlayout.h"
#include "print/returnreceiptlayouts.h"
#include "records/screentexts.h"

namespace velinda {

using namespace Qt::StringLiterals;

// A stand-in for the workspace that opens a print screen: a plain widget
// with a text box for every {txt...} and a check box for every [chk...] the
// content patterns name, all empty.
inline std::unique_ptr<QWidget> sourceScreenFor(const QStringList& patterns) {
  auto screen = std::make_unique<QWidget>();
  static const QRegularExpression control(u"\\{(\\w+)\\}|\\[(\\w+)\\]"_s);
  for (const QString& pattern : patterns) {
    auto matches = control.globalMatch(pattern);
    while (matches.hasNext()) {
      const auto match = matches.next();
      const QString name = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
      if (screen->findChild<QWidget*>(name)) continue;
      QWidget* widget = match.captured(1).isEmpty()
                            ? static_cast<QWidget*>(new QCheckBox(screen.get()))
                            : new QLineEdit(screen.get());
      widget->setObjectName(name);
    }
  }
  return screen;
}

// The same for the controls a form's layout reads.
inline std::unique_ptr<QWidget> sourceScreen(std::span<const FormBox> layout) {
  QStringList patterns;
  for (const FormBox& box : layout) patterns << QString::fromLatin1(box.content);
  return sourceScreenFor(patterns);
}

// The return-receipt screen both of its print screens read: the controls of
// the recipient side's layout and of the sender side's.
inline std::unique_ptr<QWidget> returnReceiptSourceScreen() {
  QStringList patterns;
  for (auto side : {ReturnReceiptLayouts::recipientSide(), ReturnReceiptLayouts::senderSide()})
    for (const FormBox& box : side) patterns << QString::fromLatin1(box.content);
  return sourceScreenFor(patterns);
}

// The texts a workspace gives the print screen `Screen` it opens, taken from
// `screen` as it is now.
template <typename Screen, typename... Args>
FormTexts textsFor(const QWidget& screen, Args... args) {
  return ScreenTexts::take(screen, Screen::reads(args...));
}

inline void setText(QWidget& screen, const char* name, const QString& text) {
  screen.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
}

inline void tick(QWidget& screen, const char* name, bool on = true) {
  screen.findChild<QCheckBox*>(QString::fromLatin1(name))->setChecked(on);
}

}  // namespace velinda
