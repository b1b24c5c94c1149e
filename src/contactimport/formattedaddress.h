#pragma once

#include <QString>

namespace velinda {

// An address written whole on several lines, as Google Contacts gives it
// ("Via Appia 10\n00179 Roma RM\nItalia"), taken apart: the lines before
// the one that starts with a five-digit CAP are the street, that line gives
// the CAP, the town and a province code after it, the lines after it the
// country. Without such a line the first line is the street and the others
// the town.
struct AddressParts {
  QString street;
  QString cap;
  QString town;
  QString province;
  QString country;
};

AddressParts splitFormattedAddress(const QString& text);

}  // namespace velinda
