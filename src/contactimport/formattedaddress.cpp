#include "contactimport/formattedaddress.h"

#include <QRegularExpression>
#include <QStringList>

#include "core/text.h"

namespace velinda {

using namespace Qt::StringLiterals;

AddressParts splitFormattedAddress(const QString& text) {
  static const QRegularExpression capLine(u"^(\\d{5})\\s+(.*?\\S)(?:\\s+\\(?([A-Z]{2})\\)?)?$"_s);
  QStringList lines;
  for (const QString& line : QString(text).replace(u'\r', u'\n').split(u'\n')) {
    const QString trimmed = line.simplified();
    if (!trimmed.isEmpty()) lines.append(trimmed);
  }
  AddressParts parts;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QRegularExpressionMatch m = capLine.match(lines[i]);
    if (!m.hasMatch()) continue;
    parts.street = lines.first(i).join(u", "_s);
    parts.cap = m.captured(1);
    parts.town = m.captured(2);
    parts.province = m.captured(3);
    parts.country = lines.sliced(i + 1).join(u", "_s);
    return parts;
  }
  parts.street = lines.value(0);
  if (lines.size() > 1) parts.town = lines.sliced(1).join(u", "_s);
  return parts;
}

}  // namespace velinda
