#include "archive/tcampofisso.h"

#include <cstring>

#include "archive/text.h"
#include "archive/windows1252.h"

const QString TCampoFisso::kYes = QStringLiteral("S\u00EC");
const QString TCampoFisso::kNo = QStringLiteral("No");

void TCampoFisso::FromText(const QString& text) {
  const QByteArray bytes = Windows1252::encode(Text::trimmed(text));
  const int length = int(qMin<qsizetype>(bytes.size(), capacity_));
  start_[0] = char(static_cast<unsigned char>(length));
  std::memcpy(start_ + 1, bytes.constData(), size_t(length));
}

QString TCampoFisso::ToText(const char* start, int capacity) {
  const int length = qMin(int(static_cast<unsigned char>(start[0])), capacity);
  return Text::trimmed(Windows1252::decode(start + 1, length));
}

void TCampoFisso::FromFlag(bool checked) { FromText(checked ? kYes : kNo); }

std::optional<bool> TCampoFisso::ToFlag(const char* start, int capacity) {
  const QString text = ToText(start, capacity);
  if (text == kYes) return true;
  if (text == kNo) return false;
  return std::nullopt;
}
