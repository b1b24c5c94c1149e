#pragma once

#include <QString>

namespace velinda {

// A small log beside the program ("Velinda.log") of the failures the user
// was told about only in general words, each with its technical detail, for
// whoever helps the office find the cause. Past kLimit bytes it starts
// afresh, the previous one kept as "Velinda.log.1". Writing it never fails
// the program: a log that cannot be written is left alone.
namespace ErrorLog {

inline constexpr qint64 kLimit = 256 * 1024;
inline const QString kFileName = QStringLiteral("Velinda.log");

void write(const QString& action, const QString& detail);

}  // namespace ErrorLog

}  // namespace velinda
