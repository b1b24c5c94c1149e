#pragma once

#include <QString>

namespace velinda {

// The two-letter code of an Italian province from what a file holds: the
// code itself in any letter case ("rm"), the province's name ("Roma",
// "Reggio nell'Emilia", "Bolzano/Bozen"), or an empty text when it is
// neither. Any other pair of letters is taken as a code too, so that a
// foreign or abolished one is kept as the user wrote it.
QString provinceCode(const QString& text);

}  // namespace velinda
