#include "export/formats/csvtext.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kLongestLiteral = 255;

QString quoted(const QString& text) {
  QString doubled = text;
  doubled.replace(u'"', u"\"\""_s);
  return u'"' + doubled + u'"';
}

}  // namespace

namespace CsvText {

QString field(const QString& text, QChar separator) {
  const bool plain = !text.contains(separator) && !text.contains(u'"') &&
                     !text.contains(u'\n') && !text.contains(u'\r') &&
                     (text.isEmpty() || (!text.front().isSpace() && !text.back().isSpace()));
  return plain ? text : quoted(text);
}

bool readAsNumber(const QString& text) {
  if (text.isEmpty()) return false;
  const QChar first = text.front();
  return first.isDigit() || QStringView(u"+-=@.,(#%\u20AC$").contains(first);
}

QString textFormula(const QString& text) {
  QString formula = u"="_s;
  for (qsizetype at = 0; at < text.size() || at == 0; at += kLongestLiteral) {
    if (at > 0) formula += u'&';
    formula += quoted(text.mid(at, kLongestLiteral));
  }
  return formula;
}

std::optional<QString> fromTextFormula(const QString& field) {
  if (!field.startsWith(u"=\""_s)) return std::nullopt;
  QString text;
  qsizetype at = 1;
  while (true) {
    if (at >= field.size() || field.at(at) != u'"') return std::nullopt;
    ++at;
    // One literal, its quotes doubled.
    while (true) {
      if (at >= field.size()) return std::nullopt;
      if (field.at(at) == u'"') {
        if (at + 1 < field.size() && field.at(at + 1) == u'"') {
          text += u'"';
          at += 2;
          continue;
        }
        ++at;
        break;
      }
      text += field.at(at++);
    }
    if (at == field.size()) return text;
    if (field.at(at) != u'&') return std::nullopt;
    ++at;
  }
}

}  // namespace CsvText
