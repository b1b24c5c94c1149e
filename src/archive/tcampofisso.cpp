#include "archive/tcampofisso.h"

#include <cstring>

#include "core/text.h"
#include "core/windows1252.h"

namespace velinda {

const QString TCampoFisso::kYes = QStringLiteral("S\u00EC");
const QString TCampoFisso::kNo = QStringLiteral("No");

void TCampoFisso::FromText(const QString& text) {
  const QByteArray bytes = Windows1252::encode(Text::trimmed(text));
  const int length = int(qMin<qsizetype>(bytes.size(), capacity_));
  start_[0] = char(static_cast<unsigned char>(length));
  std::memcpy(start_ + 1, bytes.constData(), size_t(length));
}

QByteArrayView TCampoFisso::TrimmedBytes(const char* start, int capacity) {
  const int length = qMin(int(static_cast<unsigned char>(start[0])), capacity);
  // In Windows-1252 the characters of code 32 or less are exactly the bytes
  // 0 to 32, so trimming the bytes trims the text.
  const char* text = start + 1;
  const char* end = text + length;
  while (text < end && static_cast<unsigned char>(*text) <= 32) ++text;
  while (end > text && static_cast<unsigned char>(end[-1]) <= 32) --end;
  return QByteArrayView(text, end - text);
}

QString TCampoFisso::ToText(const char* start, int capacity) {
  const QByteArrayView text = TrimmedBytes(start, capacity);
  return Windows1252::decode(text.data(), text.size());
}

void TCampoFisso::FromFlag(bool checked) { FromText(checked ? kYes : kNo); }

std::optional<bool> TCampoFisso::ToFlag(const char* start, int capacity) {
  const QString text = ToText(start, capacity);
  if (text == kYes) return true;
  if (text == kNo) return false;
  return std::nullopt;
}

}  // namespace velinda
