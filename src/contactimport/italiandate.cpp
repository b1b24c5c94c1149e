#include "contactimport/italiandate.h"

#include <QRegularExpression>

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

QString date(const QString& day, const QString& month, const QString& year) {
  QString out = day.rightJustified(2, u'0') + u'/' + month.rightJustified(2, u'0');
  return year.isEmpty() ? out : out + u'/' + year;
}

// A number of days or months as a file writes it: "5", "05"; 0 for none.
int number(const QString& text) {
  bool ok = false;
  const int n = text.trimmed().toInt(&ok);
  return ok ? n : 0;
}

}  // namespace

QString italianDate(const QString& text) {
  // Outlook's way of writing no date.
  static const QRegularExpression none(u"^0+[/.-]0+[/.-]0+$"_s);
  static const QRegularExpression iso(u"^(\\d{4})-(\\d{1,2})-(\\d{1,2})(T.*)?$"_s);
  static const QRegularExpression compact(u"^(\\d{4})(\\d{2})(\\d{2})$"_s);
  static const QRegularExpression noYear(u"^--(\\d{2})-?(\\d{2})$"_s);
  static const QRegularExpression dayFirst(u"^(\\d{1,2})[./-](\\d{1,2})[./-](\\d{4})$"_s);
  if (none.match(text).hasMatch()) return {};
  QRegularExpressionMatch m = iso.match(text);
  if (!m.hasMatch()) m = compact.match(text);
  if (m.hasMatch()) return date(m.captured(3), m.captured(2), m.captured(1));
  m = noYear.match(text);
  if (m.hasMatch()) return date(m.captured(2), m.captured(1), {});
  m = dayFirst.match(text);
  if (m.hasMatch()) {
    // Read as Italians write it, unless the first number cannot be a day of
    // a month and the second can: then the file wrote the month first.
    const int first = m.captured(1).toInt();
    const int second = m.captured(2).toInt();
    if (first <= 12 && second > 12 && second <= 31)
      return date(m.captured(2), m.captured(1), m.captured(3));
    return date(m.captured(1), m.captured(2), m.captured(3));
  }
  return text;
}

QString dateFromParts(const QString& day, const QString& month, const QString& year) {
  const int d = number(day);
  const int m = number(month);
  const int y = number(year);
  const QString yearText = y > 0 ? QString::number(y) : QString();
  if (d < 1 || d > 31 || m < 1 || m > 12) return yearText;
  return date(QString::number(d), QString::number(m), yearText);
}

}  // namespace velinda
