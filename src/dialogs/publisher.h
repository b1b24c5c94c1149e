#pragma once

#include <QString>

namespace velinda {

// Who makes the program and where to reach them: kept in this one place.
// Reserved example domains until the product has its own.
namespace Publisher {
inline const QString kProduct = QStringLiteral("Velinda");
inline const QString kName = QStringLiteral("Velinda Software");
inline const QString kWebAddress = QStringLiteral("https://www.velinda.example/");
inline const QString kWebAddressShown = QStringLiteral("www.velinda.example");
inline const QString kSupportEmail = QStringLiteral("assistenza@velinda.example");
}  // namespace Publisher

}  // namespace velinda
