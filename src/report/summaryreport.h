#pragma once

#include <QDate>
#include <QStringList>
#include <vector>

#include "report/page.h"

namespace velinda {

// The one-column summary printed from every list screen: the title band,
// the list lines in one data band that runs over as many landscape A4 pages
// as it needs, and the footer with the print date.
namespace SummaryReport {

inline constexpr char kDocumentName[] = "Riepilogo dati";

std::vector<Page> pages(const QString& title, const QStringList& lines, QDate date);

}  // namespace SummaryReport

}  // namespace velinda
