#include "validators/iban.h"

#include "core/text.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// A piece never exceeds nine digits, so it always fits in an int.
constexpr int kPieceDigits = 9;

QString rearranged(const QString& code) {
  QString text = Text::upperAscii(code);
  text.remove(u' ');
  const qsizetype prefix = text.indexOf(u"IBAN");
  if (prefix >= 0) text.remove(prefix, 4);
  return text.mid(4) + text.left(4);
}

// Letters become their two-digit numbers (A = 10 ... Z = 35); every other
// character is kept, so that a stray sign makes its piece unreadable.
QString lettersAsNumbers(const QString& text) {
  QString digits;
  for (QChar c : text) {
    if (c >= u'A' && c <= u'Z')
      digits += QString::number(c.unicode() - u'A' + 10);
    else
      digits += c;
  }
  return digits;
}

bool isPiece(const QString& piece) { return !piece.isEmpty() && Text::isAsciiDigits(piece); }

}  // namespace

namespace Iban {

bool passesMod97(const QString& code) {
  const QString digits = lettersAsNumbers(rearranged(code));
  if (digits.isEmpty()) return false;
  QString remainder;
  qsizetype next = 0;
  while (next < digits.size()) {
    const qsizetype take = kPieceDigits - remainder.size();
    const QString piece = remainder + digits.mid(next, take);
    next += take;
    if (!isPiece(piece)) return false;
    remainder = QString::number(piece.toInt() % 97);
  }
  return remainder == u"1";
}

CheckReport check(const QString& code) {
  const QString trimmed = Text::trimmed(code);
  if (trimmed.size() != kLength)
    return {CheckReport::Verdict::Unusable,
            u"Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."_s};
  if (passesMod97(trimmed)) return {CheckReport::Verdict::Valid, u"L'IBAN digitato è VALIDO."_s};
  return {CheckReport::Verdict::Wrong, u"Attenzione: l'IBAN digitato è ERRATO!"_s};
}

}  // namespace Iban

}  // namespace velinda
