#pragma once

#include <QString>
#include <QStringView>
#include <stdexcept>

namespace velinda {

// A table of the program names a control, record field, button or page box
// that is not there: a mistake in the program, not in the user's data. It is
// raised in every build, with where the name was looked for and the name, so
// that a misspelt table fails the first time its screen is built.
class UnknownName : public std::invalid_argument {
 public:
  UnknownName(QStringView where, QStringView name);
};

namespace NameLookup {

// Every lookup by name ends here: `found` when the lookup found something,
// UnknownName otherwise.
template <typename T>
T* require(T* found, QStringView where, QStringView name) {
  if (!found) throw UnknownName(where, name);
  return found;
}

// The same for a lookup that answers an index, -1 for none.
int requireIndex(int index, QStringView where, QStringView name);

}  // namespace NameLookup

}  // namespace velinda
