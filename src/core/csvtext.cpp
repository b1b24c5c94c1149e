#include "core/csvtext.h"

#include <algorithm>

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

QString quoted(const QString& text) {
  QString doubled = text;
  doubled.replace(u'"', u"\"\""_s);
  return u'"' + doubled + u'"';
}

}  // namespace

namespace CsvText {

QString field(const QString& text, QChar separator) {
  const auto needsQuotes = [separator](QChar c) {
    return c == separator || c == u',' || c == u'\t' || c == u'"' || c == u'\n' || c == u'\r';
  };
  const bool plain = std::none_of(text.cbegin(), text.cend(), needsQuotes) &&
                     (text.isEmpty() || (!text.front().isSpace() && !text.back().isSpace()));
  return plain ? text : quoted(text);
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

}  // namespace velinda
