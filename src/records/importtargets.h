#pragma once

#include <QList>
#include <QString>

namespace velinda {

// Where an address-book card goes when it is imported into a receipt: the
// opener's tag names the editor and its recipient or sender block.
namespace ImportTargets {

struct Copy {
  QString cardField;
  QString box;
};

// The copies for a tag, compared exactly (case counts); empty for a tag
// that names no target.
QList<Copy> copiesFor(const QString& tag);

}  // namespace ImportTargets

}  // namespace velinda
