#include "validators/taxcode.h"

#include <array>

#include "core/text.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

// The published character values. A digit shares its row with the letter of
// the same index (0 with A, 1 with B, ... 9 with J).
struct CharacterValues {
  int atOddPosition;
  int atEvenPosition;
};

constexpr std::array<CharacterValues, 26> kValues{{
    // clang-format off
    {1, 0},   {0, 1},   {5, 2},   {7, 3},   {9, 4},   {13, 5},  {15, 6},
    {17, 7},  {19, 8},  {21, 9},  {2, 10},  {4, 11},  {18, 12}, {20, 13},
    {11, 14}, {3, 15},  {6, 16},  {8, 17},  {12, 18}, {14, 19}, {16, 20},
    {10, 21}, {22, 22}, {25, 23}, {24, 24}, {23, 25},
    // clang-format on
}};

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isCapital(QChar c) { return c >= u'A' && c <= u'Z'; }

int rowOf(QChar c) { return isDigit(c) ? c.unicode() - u'0' : c.unicode() - u'A'; }

bool hasTheRightShape(const QString& code) {
  if (code.size() != TaxCode::kLength) return false;
  for (QChar c : code)
    if (!isDigit(c) && !isCapital(c)) return false;
  return true;
}

}  // namespace

namespace TaxCode {

QChar checkLetter(QStringView code) {
  int sum = 0;
  for (int i = 0; i < kLength - 1; ++i) {
    const CharacterValues& values = kValues[rowOf(code[i])];
    // Positions count from 1, so index 0 is the first odd position.
    sum += i % 2 == 0 ? values.atOddPosition : values.atEvenPosition;
  }
  return QChar(u'A' + sum % 26);
}

CheckReport check(const QString& code) {
  const QString capitals = Text::upperAscii(code);
  if (!hasTheRightShape(capitals))
    return {CheckReport::Verdict::Unusable,
            u"Attenzione: il codice fiscale deve essere composto da 16 caratteri "
            "alfanumerici."_s};
  if (capitals.back() == checkLetter(capitals))
    return {CheckReport::Verdict::Valid, u"Il codice fiscale digitato è VALIDO."_s};
  return {CheckReport::Verdict::Wrong, u"Attenzione: il codice fiscale digitato è ERRATO."_s};
}

}  // namespace TaxCode

}  // namespace velinda
