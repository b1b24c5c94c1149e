#include "validators/cardnumber.h"

#include <array>

#include "core/text.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

struct NetworkRow {
  const char* leading;  // one digit: the first digit; two: the text's start
  const char* name;
};

constexpr std::array<NetworkRow, 11> kNetworks{{
    {"30", "Diner's Club / Carte Blanche"},
    {"36", "Diner's Club / Carte Blanche"},
    {"38", "Diner's Club / Carte Blanche"},
    {"34", "American Express"},
    {"37", "American Express"},
    {"31", "JCB"},
    {"33", "JCB"},
    {"35", "JCB"},
    {"4", "Visa"},
    {"5", "MasterCard"},
    {"6", "Discover"},
}};

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QString wrongMessage() {
  return u"Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
         "Non è quindi possibile fornire informazioni relative al tipo di carta di "
         "credito."_s;
}

}  // namespace

namespace CardNumber {

QString digitsOf(const QString& text) {
  QString digits;
  for (QChar c : text.left(kCharactersRead))
    if (isDigit(c)) digits += c;
  return digits;
}

bool passesLuhn(const QString& digits) {
  if (digits.isEmpty()) return false;
  int sum = 0;
  bool doubled = true;  // the second-last digit is the first one doubled
  for (qsizetype i = digits.size() - 2; i >= 0; --i, doubled = !doubled) {
    int digit = digits[i].unicode() - u'0';
    if (doubled) {
      digit *= 2;
      if (digit > 9) digit -= 9;
    }
    sum += digit;
  }
  return digits.back().unicode() - u'0' == (10 - sum % 10) % 10;
}

Network networkOf(const QString& digits, const QString& trimmedText) {
  if (digits.isEmpty()) return {};
  const QChar first = digits.front();
  if (first < u'3' || first > u'6') return {};
  const QString leading = first == u'3' ? trimmedText.left(2) : QString(first);
  for (const NetworkRow& row : kNetworks)
    if (leading == QLatin1String(row.leading)) return {true, QString::fromUtf8(row.name)};
  return {true, {}};
}

CheckReport check(const QString& text) {
  const QString trimmed = Text::trimmed(text);
  if (trimmed.isEmpty())
    return {CheckReport::Verdict::Unusable,
            u"Attenzione: immettere il numero di carta di credito prima di premere "
            "il pulsante di controllo."_s};
  const QString digits = digitsOf(text);
  const Network network = networkOf(digits, trimmed);
  if (!passesLuhn(digits) || !network.isCardClass)
    return {CheckReport::Verdict::Wrong, wrongMessage()};
  if (network.name.isEmpty())
    // A class-3 number of no known network still passes the check digit:
    // say so rather than close without a word.
    return {CheckReport::Verdict::Valid,
            u"Il numero di carta di credito "_s + trimmed +
                u" supera il controllo della cifra di verifica.\r\n\r\n"
                "Non è però possibile riconoscere il circuito della carta di "
                "credito."_s};
  return {CheckReport::Verdict::Valid, u"Il numero di carta di credito "_s + trimmed +
                                           u" risulta valido.\r\n\r\n"
                                           "La carta di credito è del tipo "_s +
                                           network.name + u'.'};
}

}  // namespace CardNumber

}  // namespace velinda
