#include "widgets/mnemonickeys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QSet>
#include <QWidget>
#include <algorithm>

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

bool closesTheScreen(const QAbstractButton* button) {
  static const QStringList closers = {u"Chiudi"_s, u"Annulla"_s, u"Esci"_s};
  return closers.contains(button->text());
}

// The letter after the text's '&', lower case; none when it has no key.
QChar keyOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') return text[i + 1].toLower();
    ++i;  // "&&" is a plain '&'
  }
  return {};
}

// Where the key goes in the text: the first word beginning whose letter is
// free, else the first free letter or digit anywhere; -1 when none is.
qsizetype keyPosition(const QString& text, const QSet<QChar>& taken) {
  auto free = [&](qsizetype i) {
    return text[i].isLetterOrNumber() && !taken.contains(text[i].toLower());
  };
  for (qsizetype i = 0; i < text.size(); ++i)
    if ((i == 0 || text[i - 1] == u' ') && free(i)) return i;
  for (qsizetype i = 0; i < text.size(); ++i)
    if (free(i)) return i;
  return -1;
}

}  // namespace

void MnemonicKeys::install() {
  static MnemonicKeys* installed = nullptr;
  if (installed) return;
  installed = new MnemonicKeys(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(installed);
}

void MnemonicKeys::give(QWidget* window) {
  QList<QAbstractButton*> buttons;
  QSet<QChar> taken;
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (button->window() != window) continue;
    const QString text = button->text();
    // A button of a single sign ("+", "-") or one drawn as a picture has
    // no word to mark; one with a key of the program's (Ctrl+P) keeps it.
    if (text.size() < 2 || (!text.contains(u'&') && !button->shortcut().isEmpty())) continue;
    if (const QChar key = keyOf(text); !key.isNull())
      taken.insert(key);
    else if (!text.contains(u'&'))
      buttons << button;
  }
  std::stable_partition(buttons.begin(), buttons.end(),
                        [](const QAbstractButton* b) { return !closesTheScreen(b); });
  for (QAbstractButton* button : buttons) {
    QString text = button->text();
    const qsizetype at = keyPosition(text, taken);
    if (at < 0) continue;
    taken.insert(text[at].toLower());
    text.insert(at, u'&');
    button->setText(text);
  }
}

bool MnemonicKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->isWindow()) give(widget);
  }
  return false;
}

}  // namespace velinda
