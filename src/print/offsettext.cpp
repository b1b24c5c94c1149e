#include "print/offsettext.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

#include "archive/text.h"

namespace OffsetText {

QString stepped(const QString& text, int step) {
  static const QRegularExpression wholeNumber(u"^[+-]?[0-9]+$"_qs);
  const QString trimmed = Text::trimmed(text);
  bool ok = wholeNumber.match(trimmed).hasMatch();
  const qlonglong value = ok ? trimmed.toLongLong(&ok) : 0;
  if (!ok)
    throw OffsetConversionError(u"'%1' non è un valore intero valido."_qs.arg(text));
  return QString::number(value + step);
}

Length toLength(const QString& text) {
  static const QRegularExpression decimalNumber(u"^[+-]?([0-9]+(,[0-9]*)?|,[0-9]+)$"_qs);
  const QString trimmed = Text::trimmed(text);
  bool ok = decimalNumber.match(trimmed).hasMatch();
  const double value = ok ? QLocale::c().toDouble(QString(trimmed).replace(u',', u'.'), &ok) : 0;
  if (!ok || !std::isfinite(value))
    throw OffsetConversionError(u"'%1' non è un valore in virgola mobile valido."_qs.arg(text));
  return Length::mm(value);
}

}  // namespace OffsetText
