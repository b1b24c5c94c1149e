#include "print/offsettext.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "core/text.h"
#include "report/page.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {
constexpr qlonglong kLargestMm = kLargestOffsetMm;

bool beyondThePaper(double mm) { return mm < -kLargestMm || mm > kLargestMm; }
}  // namespace

namespace OffsetText {

QString stepped(const QString& text, int step) {
  static const QRegularExpression wholeNumber(u"^[+-]?[0-9]+$"_s);
  const QString trimmed = Text::trimmed(text);
  bool ok = wholeNumber.match(trimmed).hasMatch();
  const qlonglong value = ok ? trimmed.toLongLong(&ok) : 0;
  if (!ok || beyondThePaper(double(value)))
    throw OffsetConversionError(u"'%1' non è un valore intero valido."_s.arg(text));
  // At the edge of the paper the button has nothing more to do.
  return QString::number(std::clamp(value + step, -kLargestMm, kLargestMm));
}

Length toLength(const QString& text) {
  static const QRegularExpression decimalNumber(u"^[+-]?([0-9]+(,[0-9]*)?|,[0-9]+)$"_s);
  const QString trimmed = Text::trimmed(text);
  bool ok = decimalNumber.match(trimmed).hasMatch();
  const double value = ok ? QLocale::c().toDouble(QString(trimmed).replace(u',', u'.'), &ok) : 0;
  if (!ok || !std::isfinite(value) || beyondThePaper(value))
    throw OffsetConversionError(u"'%1' non è un valore in virgola mobile valido."_s.arg(text));
  return Length::mm(value);
}

}  // namespace OffsetText

}  // namespace velinda
